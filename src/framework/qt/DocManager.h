#pragma once

#include "framework/DocumentOwner.h"
#include "framework/RecentFileList.h"

#include <QPointer>

#include <map>
#include <memory>
#include <string>
#include <vector>

class CDocTemplate;
class CDocWindowHost;
class CDocumentListObserver;
class CDocument;
class CMDIChildWnd;
class CUi;

// Makes, opens and closes documents with their frames, in the order the types were registered,
// and keeps the File menu's recent-file list. Where the frames go on screen is the window
// host's business.
class CDocManager : public CDocumentOwner {
public:
    explicit CDocManager(CUi& ui);
    ~CDocManager() override;
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    void SetWindowHost(CDocWindowHost* host) { m_pWindowHost = host; }

    CDocTemplate& AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    std::vector<CDocTemplate*> GetTemplates() const;

    // An already open document is activated instead of being opened twice.
    CDocument* OpenDocumentFile(const std::string& path);
    CDocument* OpenNewDocument(CDocTemplate& docTemplate);
    // A document made and filled elsewhere (a recovered one) joins the open ones in a window.
    CDocument* AddDocument(std::unique_ptr<CDocument> doc, CDocTemplate& docTemplate);

    // Every modified document is asked in turn; false as soon as one refuses.
    bool SaveAllModified();
    // Each type in turn asks its documents, stopping within the type at the first refusal.
    void SaveAllByType();
    // Closes every document without asking.
    void CloseAllDocuments();
    // Runs the document's close, which destroys its frames and the document.
    void CloseDocument(CDocument& doc);

    // Called by a frame that is asked to close: the last frame of a document asks the
    // document to save, and on success closes it.
    bool CanCloseFrame(CMDIChildWnd& frame);

    std::vector<CDocument*> GetDocuments(const CDocTemplate* docTemplate = nullptr) const;
    std::vector<CMDIChildWnd*> FramesOf(const CDocument& doc) const;
    bool ActivateFrame(const CDocument& doc);
    std::string FrameTitle(const CDocument& doc, const CMDIChildWnd* frame) const;

    // A further window on the document of this frame.
    CMDIChildWnd* NewWindow(CDocument& doc);

    CRecentFileList& GetRecentFiles() { return m_recentFiles; }
    void AddToRecentFileList(const std::string& path);
    // Tells the observer whenever the recent-file list changes, to store it.
    void SetRecentFilesObserver(CRecentFileListObserver* observer) { m_pRecentObserver = observer; }
    void RecentFilesChanged();

    void AddListObserver(CDocumentListObserver* observer);
    void RemoveListObserver(CDocumentListObserver* observer);

    // CDocumentOwner
    void OnDocumentClosed(CDocument& doc) override;
    void OnDocumentSavedAs(CDocument& doc, const std::string& path) override;

private:
    CMDIChildWnd* CreateFrame(CDocument& doc);
    CDocument* Adopt(std::unique_ptr<CDocument> doc, CDocTemplate& docTemplate);

    CUi& m_ui;
    CDocWindowHost* m_pWindowHost = nullptr;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    std::map<const CDocument*, std::vector<QPointer<CMDIChildWnd>>> m_frames;
    CMDIChildWnd* m_pClosingFrame = nullptr;
    CRecentFileList m_recentFiles;
    CRecentFileListObserver* m_pRecentObserver = nullptr;
    std::vector<CDocumentListObserver*> m_listObservers;
};
