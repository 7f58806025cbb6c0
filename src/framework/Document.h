#pragma once

#include "CmdTarget.h"
#include "Ui.h"

#include "platform/FileIo.h"
#include "platform/FileStamp.h"

#include <string>
#include <vector>

class CArchive;
class CDocTemplate;
class CDocumentObserver;
class CDocumentOwner;

// A document holds its data, its path name, title and modified flag, and reads and writes its
// file. It knows nothing of the widgets that show it.
class CDocument : public CCmdTarget {
public:
    explicit CDocument(CUi& ui);
    virtual ~CDocument();

    const std::string& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);

    bool IsModified() const { return m_bModified; }
    // Tells the views when the flag changes, so the window titles follow.
    void SetModifiedFlag(bool bModified = true);

    // Stores or loads the whole content, by the archive's mode.
    virtual void Serialize(CArchive& ar) = 0;

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);

    // The file as this document last read or wrote it, and whether another program has been at
    // it since.
    enum class DiskChange { None, Changed, Removed };
    const CFileStamp& GetFileStamp() const { return m_fileStamp; }
    void SetFileStamp(const CFileStamp& stamp) { m_fileStamp = stamp; }
    DiskChange GetDiskChange() const;

    // Asks whether the changes are to be saved; false means the person cancelled or the save failed.
    virtual bool SaveModified();
    // Closes the document: its frames go and its owner destroys it, so nothing may touch the
    // document after this returns.
    virtual void OnCloseDocument();
    // The document manager that keeps the document; none for a document of its own.
    void SetOwner(CDocumentOwner* owner) { m_pOwner = owner; }

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    void SetDocTemplate(CDocTemplate* docTemplate) { m_pDocTemplate = docTemplate; }

    // Saves to path, or through the Save As dialog when path is empty. With bReplace the
    // document takes the new path name. A file another program changed since this document
    // read or wrote it is written over only when the user says so.
    bool DoSave(const std::string& path, bool bReplace = true);
    // Save: to the path name, or through Save As when there is none or the file is read-only or
    // gone. The file this document read or wrote, removed since by another program, is written
    // again where it was.
    bool DoFileSave();

    void AddObserver(CDocumentObserver* observer);
    void RemoveObserver(CDocumentObserver* observer);
    void UpdateAllViews();
    const std::vector<CDocumentObserver*>& GetObservers() const { return m_observers; }

    // The texts shown when a load or save fails; %1 is the path.
    static std::string FileErrorText(FileIo::FileStatus status, FileIo::FileDirection direction,
                                     const std::string& path);
    static const char* const kUnexpectedFormat;
    static const char* const kChangedOnDiskSave;

protected:
    CUi& Ui() const { return m_ui; }
    virtual void DeleteContents() {}
    virtual CFileDialogSpec SaveAsDialogSpec() const;
    // Whether the user will have the file another program changed written over.
    bool AskToWriteOverChange() const;

private:
    CUi& m_ui;
    std::string m_strPathName;
    std::string m_strTitle = "Untitled";
    bool m_bModified = false;
    CFileStamp m_fileStamp;
    std::vector<CDocumentObserver*> m_observers;
    CDocTemplate* m_pDocTemplate = nullptr;
    CDocumentOwner* m_pOwner = nullptr;
};
