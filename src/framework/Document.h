#pragma once

#include "Ui.h"

#include "platform/FileIo.h"

#include <string>
#include <vector>

class CArchive;
class CDocumentObserver;

// A document holds its data, its path name, title and modified flag, and reads and writes its
// file. It knows nothing of the widgets that show it.
class CDocument {
public:
    explicit CDocument(CUi& ui);
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const std::string& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }

    // Stores or loads the whole content, by the archive's mode.
    virtual void Serialize(CArchive& ar) = 0;

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);

    // Asks whether the changes are to be saved; false means the person cancelled or the save failed.
    virtual bool SaveModified();
    virtual void OnCloseDocument();

    // Saves to path, or through the Save As dialog when path is empty. With bReplace the
    // document takes the new path name.
    bool DoSave(const std::string& path, bool bReplace = true);
    // Save: to the path name, or through Save As when there is none or the file is read-only or gone.
    bool DoFileSave();

    void AddObserver(CDocumentObserver* observer);
    void RemoveObserver(CDocumentObserver* observer);
    void UpdateAllViews();

    // The texts shown when a load or save fails; %1 is the path.
    static std::string FileErrorText(FileIo::FileStatus status, FileIo::FileDirection direction,
                                     const std::string& path);
    static const char* const kUnexpectedFormat;

protected:
    CUi& Ui() const { return m_ui; }
    virtual void DeleteContents() {}
    virtual CFileDialogSpec SaveAsDialogSpec() const;

private:
    CUi& m_ui;
    std::string m_strPathName;
    std::string m_strTitle = "Untitled";
    bool m_bModified = false;
    std::vector<CDocumentObserver*> m_observers;
};
