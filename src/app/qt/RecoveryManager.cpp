#include "RecoveryManager.h"

#include "TextWindows.h"

#include "editor/TextDocument.h"
#include "editor/TextModel.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Ui.h"
#include "framework/qt/DocManager.h"
#include "platform/BackgroundFileWriter.h"
#include "platform/FileIo.h"

#include <algorithm>

const char* const CRecoveryManager::kRestoreQuestion =
    "Ondrik did not close properly last time. These documents had changes that were not saved:\n\n%1\n"
    "Do you want to restore them? No discards the changes; Cancel keeps them for the next start.";
const char* const CRecoveryManager::kUnreadableMessage =
    "These recovered documents cannot be read, and have been kept aside:\n\n%1";
const char* const CRecoveryManager::kCannotWriteWarning =
    "Ondrik cannot keep copies of unsaved changes: the folder %1 cannot be written.\n"
    "Editing goes on, but unsaved changes will not survive a crash.";

CRecoveryManager::CRecoveryManager(CDocManager& docs, CUi& ui, std::string folder)
    : m_docs(docs), m_ui(ui), m_store(std::move(folder))
{
    // Failures come back on the writer's thread and are shown on this one.
    m_pWriter = std::make_unique<CBackgroundFileWriter>([this](const std::string&, FileIo::FileStatus status) {
        if (status != FileIo::FileStatus::Ok)
            QMetaObject::invokeMethod(this, [this] { OnWriteFailed(); }, Qt::QueuedConnection);
    });
    connect(&m_tick, &QTimer::timeout, this, &CRecoveryManager::OnTick);
    SetDelays(kQuietTime, kLongestWait);
    m_docs.AddListObserver(this);
}

CRecoveryManager::~CRecoveryManager()
{
    m_docs.RemoveListObserver(this);
    bool bUnsaved = m_bKeep;
    for (auto& [doc, entry] : m_entries) {
        doc->RemoveObserver(this);
        bUnsaved = bUnsaved || !entry.strFile.empty();
    }
    // The writer finishes first: its files are what the session leaves, or what goes with it.
    m_pWriter.reset();
    m_store.CloseSession(bUnsaved);
}

void CRecoveryManager::SetDelays(std::chrono::milliseconds quiet, std::chrono::milliseconds longest)
{
    m_quiet = quiet;
    m_longest = longest;
    m_tick.setInterval(std::max<int>(static_cast<int>(quiet.count() / 4), 1));
}

void CRecoveryManager::OnDocumentOpened(CDocument& doc)
{
    if (dynamic_cast<CTextDocument*>(&doc) == nullptr)
        return;
    doc.AddObserver(this);
    m_entries[&doc] = {};
}

void CRecoveryManager::OnDocumentClosing(CDocument& doc)
{
    const auto it = m_entries.find(&doc);
    if (it == m_entries.end())
        return;
    doc.RemoveObserver(this);
    // Closed without saving: the changes were let go. An end without questions keeps them.
    if (!m_bKeep)
        Forget(it->second);
    m_entries.erase(it);
}

void CRecoveryManager::OnDocumentChanged(CDocument& doc)
{
    CEntry& entry = m_entries[&doc];
    const Clock::time_point now = Clock::now();
    if (!entry.bDirty)
        entry.firstChange = now;
    entry.lastChange = now;
    entry.bDirty = true;
    if (!m_tick.isActive())
        m_tick.start();
}

void CRecoveryManager::OnDocumentSaved(CDocument& doc)
{
    const auto it = m_entries.find(&doc);
    if (it != m_entries.end())
        Forget(it->second);
}

void CRecoveryManager::Forget(CEntry& entry)
{
    entry.bDirty = false;
    if (!entry.strFile.empty())
        m_pWriter->Remove(std::exchange(entry.strFile, {}));
}

void CRecoveryManager::OnTick()
{
    const Clock::time_point now = Clock::now();
    bool bWaiting = false;
    for (auto& [doc, entry] : m_entries) {
        if (!entry.bDirty)
            continue;
        // Undone back to what the file holds: nothing to keep.
        if (!doc->IsModified()) {
            Forget(entry);
        } else if (now - entry.lastChange >= m_quiet || now - entry.firstChange >= m_longest) {
            WriteNow(static_cast<CTextDocument&>(*doc));
        } else {
            bWaiting = true;
        }
    }
    if (!bWaiting)
        m_tick.stop();
}

void CRecoveryManager::WriteNow(CTextDocument& doc)
{
    CEntry& entry = m_entries[&doc];
    entry.bDirty = false;
    if (entry.strFile.empty()) {
        const FileIo::FileStatus status = m_store.OpenSession();
        if (status != FileIo::FileStatus::Ok) {
            OnWriteFailed();
            return;
        }
        entry.strFile = m_store.NewDocumentFile();
    }
    CRecoveryRecord record;
    record.strDocType = doc.GetDocTemplate() != nullptr ? doc.GetDocTemplate()->GetDocString(CDocTemplate::docName) : "";
    record.strPath = doc.GetPathName();
    record.strTitle = doc.GetTitle();
    record.fileStamp = doc.GetFileStamp();
    const CTextModel* text = doc.GetTextModel();
    std::string bytes = m_pWriter->TakeSpareBuffer();
    record.EncodeInto(bytes, text != nullptr ? text->GetAllBytes() : doc.GetLoadedText());
    m_pWriter->Write(entry.strFile, std::move(bytes));
}

bool CRecoveryManager::WaitForWrites(std::chrono::milliseconds limit)
{
    return m_pWriter->Flush(limit);
}

std::string CRecoveryManager::FileOf(const CDocument& doc) const
{
    const auto it = m_entries.find(const_cast<CDocument*>(&doc));
    return it != m_entries.end() ? it->second.strFile : std::string();
}

void CRecoveryManager::OnWriteFailed()
{
    // Once a session: the user knows, and goes on editing.
    if (std::exchange(m_bWarned, true))
        return;
    m_ui.MessageBox(MessageWithArg(kCannotWriteWarning, m_store.Folder()));
}

void CRecoveryManager::KeepAllForNextStart()
{
    m_bKeep = true;
    m_tick.stop();
    for (auto& [doc, entry] : m_entries) {
        if (!doc->IsModified())
            Forget(entry);
        else if (entry.bDirty || entry.strFile.empty())
            WriteNow(static_cast<CTextDocument&>(*doc));
    }
    m_pWriter->Flush(std::chrono::seconds(30));
}

void CRecoveryManager::OfferLeftOvers()
{
    CRecoveryStore::CFindings found = m_store.FindLeftOvers();
    if (!found.unreadable.empty()) {
        std::string list;
        for (const auto& [file, keptAs] : found.unreadable)
            list += "  " + keptAs + "\n";
        m_ui.MessageBox(MessageWithArg(kUnreadableMessage, list));
    }
    if (!found.documents.empty()) {
        std::string list;
        for (const CRecoveryStore::CLeftOver& leftOver : found.documents) {
            const CRecoveryRecord& record = leftOver.record;
            list += "  " + (record.strPath.empty() ? record.strTitle + " (never saved)" : record.strPath) + "\n";
        }
        switch (m_ui.MessageBox(MessageWithArg(kRestoreQuestion, list), MsgButtons::YesNoCancel, MsgIcon::Question)) {
        case MsgAnswer::Yes:
            for (const CRecoveryStore::CLeftOver& leftOver : found.documents)
                Restore(leftOver);
            break;
        case MsgAnswer::No:
            for (const CRecoveryStore::CLeftOver& leftOver : found.documents)
                m_store.Discard(leftOver.strFile);
            break;
        default:
            break;
        }
    }
    m_store.ReleaseLeftOvers();
}

void CRecoveryManager::Restore(const CRecoveryStore::CLeftOver& leftOver)
{
    const CRecoveryRecord& record = leftOver.record;
    CTextDocument* doc = nullptr;
    // A file already open here takes the recovered text in its window.
    for (CDocument* open : m_docs.GetDocuments()) {
        if (!record.strPath.empty() && open->GetPathName() == record.strPath)
            doc = dynamic_cast<CTextDocument*>(open);
    }
    if (doc == nullptr) {
        const auto templates = m_docs.GetTemplates();
        const auto type = std::find_if(templates.begin(), templates.end(), [&](CDocTemplate* each) {
            return each->GetDocString(CDocTemplate::docName) == record.strDocType;
        });
        if (type == templates.end())
            return;
        std::unique_ptr<CDocument> made = (*type)->CreateDocument();
        auto* text = dynamic_cast<CTextDocument*>(made.get());
        if (text == nullptr || !made->OnNewDocument())
            return;
        // The window starts from what the file holds, so the recovered changes are one step
        // Undo takes back to it; a document never saved starts empty, as a new one does.
        if (!record.strPath.empty()) {
            FileIo::FileReadResult file = FileIo::ReadWholeFile(record.strPath);
            if (file.status == FileIo::FileStatus::Ok)
                text->SetText(std::move(file.bytes));
            made->SetPathName(record.strPath);
        } else {
            made->SetTitle((*type)->NextUntitledTitle());
        }
        // The version the changes were made to: a file changed since is noticed as changed.
        made->SetFileStamp(record.fileStamp);
        doc = static_cast<CTextDocument*>(m_docs.AddDocument(std::move(made), **type));
    }
    doc->ReplaceAllText(record.strText);
    if (CTextModel* text = doc->GetTextModel())
        text->SetSelection(0, 0);
    doc->SetModifiedFlag();
    TextWindows::RefreshWholeText(*doc);
    // The left-over file holds this very text: it becomes the document's own.
    CEntry& entry = m_entries[doc];
    const std::string adopted = m_store.Adopt(leftOver.strFile);
    if (!adopted.empty()) {
        if (!entry.strFile.empty())
            m_pWriter->Remove(entry.strFile);
        entry.strFile = adopted;
        entry.bDirty = false;
    } else {
        m_store.Discard(leftOver.strFile);
        WriteNow(*doc);
    }
}
