#include "Document.h"

#include "Archive.h"
#include "CommandIds.h"
#include "DocTemplate.h"
#include "DocumentObserver.h"
#include "DocumentOwner.h"

#include "platform/Paths.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

const char* const CDocument::kUnexpectedFormat = "Unexpected file format.";
const char* const CDocument::kChangedOnDiskSave =
    "%1\nThis file has been changed by another program since Ondrik opened or saved it.\n"
    "Do you want to save it anyway, replacing the other program's version?";

namespace {

// A file that is gone or that the user may not write cannot simply be written again: Save As
// is offered instead. The system answers, not the mode bits: root may write a file without
// write bits, and a file with them may belong to someone else.
bool CanWriteInPlace(const std::string& path)
{
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

bool CanWriteInFolderOf(const std::string& path)
{
    return ::faccessat(AT_FDCWD, Paths::FolderOf(path).c_str(), W_OK, AT_EACCESS) == 0;
}

}  // namespace

CDocument::CDocument(CUi& ui) : m_ui(ui)
{
    OnCommand(Cmd::ID_FILE_SAVE, [this] { DoFileSave(); });
    OnCommand(Cmd::ID_FILE_SAVE_AS, [this] { DoSave({}); });
    OnCommand(Cmd::ID_FILE_CLOSE, [this] {
        if (SaveModified())
            OnCloseDocument();
    });
}

CDocument::~CDocument() = default;

void CDocument::SetPathName(const std::string& path)
{
    m_strPathName = path;
    SetTitle(Paths::NameOf(path));
}

void CDocument::SetModifiedFlag(bool bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    const auto observers = m_observers;
    for (auto* observer : observers)
        observer->OnDocumentModifiedChanged(*this);
}

void CDocument::SetTitle(const std::string& title)
{
    m_strTitle = title;
    const auto observers = m_observers;
    for (auto* observer : observers)
        observer->OnDocumentTitleChanged(*this);
}

std::string CDocument::FileErrorText(FileIo::FileStatus status, FileIo::FileDirection direction,
                                     const std::string& path)
{
    using FileIo::FileStatus;
    const bool bWriting = direction == FileIo::FileDirection::Writing;
    switch (status) {
    case FileStatus::Ok:
        return {};
    case FileStatus::NotFound:
        return MessageWithArg("%1\nCannot find this file.\nPlease verify that the correct path and file name are given.",
                          path);
    case FileStatus::AccessDenied:
        return MessageWithArg(bWriting ? "Unable to write to %1, it is read-only or opened by someone else."
                                   : "Unable to read from %1, it is opened by someone else.",
                          path);
    case FileStatus::DiskFull:
        return "Destination disk drive is full.";
    case FileStatus::Other:
        break;
    }
    return bWriting ? "Failed to save document." : "Failed to open document.";
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path)
{
    const FileIo::FileReadResult file = FileIo::ReadWholeFile(path);
    if (file.status != FileIo::FileStatus::Ok) {
        Ui().MessageBox(FileErrorText(file.status, FileIo::FileDirection::Reading, path));
        return false;
    }
    DeleteContents();
    SetModifiedFlag(false);
    m_fileStamp = file.stamp;
    CArchive ar(file.bytes);
    Serialize(ar);
    if (ar.Failed()) {
        DeleteContents();
        Ui().MessageBox(kUnexpectedFormat);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path)
{
    CArchive ar;
    Serialize(ar);
    const FileIo::FileStatus status = FileIo::WriteFileReplacing(path, ar.Bytes());
    if (status != FileIo::FileStatus::Ok) {
        Ui().MessageBox(FileErrorText(status, FileIo::FileDirection::Writing, path));
        return false;
    }
    SetModifiedFlag(false);
    m_fileStamp = CFileStamp::Of(path);
    const auto observers = m_observers;
    for (auto* observer : observers)
        observer->OnDocumentSaved(*this);
    return true;
}

CDocument::DiskChange CDocument::GetDiskChange() const
{
    // A document that never read nor wrote its file knows no version of it to compare.
    if (m_strPathName.empty() || !m_fileStamp.bExists)
        return DiskChange::None;
    const CFileStamp now = CFileStamp::Of(m_strPathName);
    if (now == m_fileStamp)
        return DiskChange::None;
    return now.bExists ? DiskChange::Changed : DiskChange::Removed;
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    const std::string name = m_strPathName.empty() ? m_strTitle : Paths::NameOf(m_strPathName);
    switch (Ui().MessageBox(MessageWithArg("Save changes to %1?", name), MsgButtons::YesNoCancel)) {
    case MsgAnswer::Cancel:
        return false;
    case MsgAnswer::Yes:
        return DoFileSave();
    default:
        return true;
    }
}

void CDocument::OnCloseDocument()
{
    // The owner destroys this document; forget it first, so a second close does nothing.
    if (CDocumentOwner* owner = std::exchange(m_pOwner, nullptr))
        owner->OnDocumentClosed(*this);
}

CFileDialogSpec CDocument::SaveAsDialogSpec() const
{
    CFileDialogSpec request;
    request.initialName = m_strTitle;
    request.filter = "All Files (*.*)|*.*||";
    // The document's type offers its own files first, and a name typed without an extension
    // gets the type's.
    const std::string extension =
        m_pDocTemplate != nullptr ? m_pDocTemplate->GetDocString(CDocTemplate::filterExt) : std::string();
    if (extension.size() > 1 && extension.front() == '.') {
        request.defaultExtension = extension.substr(1);
        request.filter = m_pDocTemplate->GetDocString(CDocTemplate::filterName) + "|*" + extension + "|" + request.filter;
        if (Paths::ExtensionOf(request.initialName).empty())
            request.initialName += extension;
    }
    request.hideReadOnly = true;
    request.promptOverwrite = true;
    return request;
}

bool CDocument::DoSave(const std::string& path, bool bReplace)
{
    std::string target = path;
    if (target.empty()) {
        const auto chosen = Ui().GetSaveFileName(SaveAsDialogSpec());
        if (!chosen)
            return false;
        target = *chosen;
    } else if (target == m_strPathName && GetDiskChange() == DiskChange::Changed && !AskToWriteOverChange()) {
        return false;
    }
    if (!OnSaveDocument(target))
        return false;
    if (bReplace) {
        SetPathName(target);
        if (m_pOwner != nullptr)
            m_pOwner->OnDocumentSavedAs(*this, target);
    }
    return true;
}

bool CDocument::AskToWriteOverChange() const
{
    return Ui().MessageBox(MessageWithArg(kChangedOnDiskSave, m_strPathName), MsgButtons::YesNo) == MsgAnswer::Yes;
}

bool CDocument::DoFileSave()
{
    if (m_strPathName.empty())
        return DoSave({});
    // The file this document read or wrote, removed since by another program, is written again.
    const bool bRemoved = GetDiskChange() == DiskChange::Removed && CanWriteInFolderOf(m_strPathName);
    if (!bRemoved && !CanWriteInPlace(m_strPathName))
        return DoSave({});
    return DoSave(m_strPathName);
}

void CDocument::AddObserver(CDocumentObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CDocument::RemoveObserver(CDocumentObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CDocument::UpdateAllViews()
{
    // A view may detach itself while it updates, so walk a copy.
    const auto observers = m_observers;
    for (auto* observer : observers)
        observer->OnDocumentUpdate(*this);
}
