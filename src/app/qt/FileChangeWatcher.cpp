#include "FileChangeWatcher.h"

#include "TextWindows.h"

#include "editor/TextDocument.h"
#include "editor/qt/TextEditView.h"
#include "framework/Document.h"
#include "framework/Ui.h"
#include "framework/qt/DocManager.h"
#include "framework/qt/MDIChildWnd.h"
#include "framework/qt/MDIFrameWnd.h"
#include "platform/Paths.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>

#include <algorithm>
#include <set>
#include <vector>

const char* const CFileChangeWatcher::kReloadQuestion =
    "%1\nThis file has been changed by another program.\n"
    "Do you want to reload it and lose the changes made in Ondrik?";
const char* const CFileChangeWatcher::kRemovedMessage = "%1\nThis file has been deleted or moved by another program.";
const char* const CFileChangeWatcher::kRemovedTextAddition = "\nOndrik keeps its text; Save writes the file again.";
const char* const CFileChangeWatcher::kProjectChangedMessage =
    "%1\nThis project file has been changed by another program.\n"
    "Ondrik keeps the project as it is open here. To use the other version, close the project, "
    "answering No when asked to replace it, and open it again.";

namespace {

QString ToQt(const std::string& path)
{
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

}  // namespace

CFileChangeWatcher::CFileChangeWatcher(CDocManager& docs, CUi& ui, CMDIFrameWnd& mainWnd) : m_docs(docs), m_ui(ui)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CFileChangeWatcher::CheckAll);
    const auto settle = [this] { m_settle.start(); };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, settle);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, settle);
    connect(mainWnd.GetMdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        auto* frame = qobject_cast<CMDIChildWnd*>(window);
        if (frame != nullptr && frame->GetDocument() != nullptr)
            Check(*frame->GetDocument());
    });
    mainWnd.installEventFilter(this);
    m_docs.AddListObserver(this);
}

CFileChangeWatcher::~CFileChangeWatcher()
{
    m_docs.RemoveListObserver(this);
    for (CDocument* doc : m_docs.GetDocuments())
        doc->RemoveObserver(this);
}

bool CFileChangeWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // Coming back to the program is when the user has been at the files elsewhere.
    if (event->type() == QEvent::WindowActivate)
        CheckAll();
    return QObject::eventFilter(watched, event);
}

void CFileChangeWatcher::OnDocumentOpened(CDocument& doc)
{
    doc.AddObserver(this);
    WatchOpenFiles();
}

void CFileChangeWatcher::OnDocumentClosing(CDocument& doc)
{
    doc.RemoveObserver(this);
    m_dealtWith.erase(&doc);
    // The closing document is still listed; the next change of the list drops its file.
    QMetaObject::invokeMethod(this, [this] { WatchOpenFiles(); }, Qt::QueuedConnection);
}

bool CFileChangeWatcher::IsOpen(const CDocument* doc) const
{
    const auto open = m_docs.GetDocuments();
    return std::find(open.begin(), open.end(), doc) != open.end();
}

void CFileChangeWatcher::CheckAll()
{
    // A question may close documents; each is looked at only while it is still open.
    for (CDocument* doc : m_docs.GetDocuments()) {
        if (IsOpen(doc))
            Check(*doc);
    }
}

void CFileChangeWatcher::Check(CDocument& doc)
{
    // A question is open already, or a dialog of the user's: the look waits until it is answered.
    if (m_bChecking || QApplication::activeModalWidget() != nullptr) {
        m_bCheckAgain = true;
        return;
    }
    m_bChecking = true;
    CheckOne(doc);
    m_bChecking = false;
    WatchOpenFiles();
    if (std::exchange(m_bCheckAgain, false))
        QMetaObject::invokeMethod(this, [this] { CheckAll(); }, Qt::QueuedConnection);
}

void CFileChangeWatcher::CheckOne(CDocument& doc)
{
    const CDocument::DiskChange change = doc.GetDiskChange();
    if (change == CDocument::DiskChange::None) {
        m_dealtWith.erase(&doc);
        return;
    }
    const std::string path = doc.GetPathName();
    const CFileStamp now = CFileStamp::Of(path);
    if (const auto it = m_dealtWith.find(&doc); it != m_dealtWith.end() && it->second == now)
        return;
    m_dealtWith[&doc] = now;
    auto* text = dynamic_cast<CTextDocument*>(&doc);
    if (change == CDocument::DiskChange::Removed) {
        m_ui.MessageBox(MessageWithArg(std::string(kRemovedMessage) + (text != nullptr ? kRemovedTextAddition : ""), path),
                        MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (text == nullptr) {
        m_ui.MessageBox(MessageWithArg(kProjectChangedMessage, path), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (!doc.IsModified()) {
        Reload(*text);
        return;
    }
    // The document may have closed while the question was open.
    if (m_ui.MessageBox(MessageWithArg(kReloadQuestion, path), MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes &&
        IsOpen(&doc))
        Reload(*text);
}

void CFileChangeWatcher::Reload(CTextDocument& doc)
{
    // Each window stays where it was scrolled.
    std::vector<std::pair<CTextEditView*, int>> views;
    for (CDocumentObserver* observer : doc.GetObservers()) {
        if (auto* view = dynamic_cast<CTextEditView*>(observer))
            views.emplace_back(view, view->GetEditor()->firstVisibleLine());
    }
    if (!doc.ReloadFromFile())
        return;
    m_dealtWith.erase(&doc);
    TextWindows::RefreshWholeText(doc);
    for (const auto& [view, nFirstLine] : views)
        view->GetEditor()->setFirstVisibleLine(nFirstLine);
}

void CFileChangeWatcher::WatchOpenFiles()
{
    std::set<QString> files;
    std::set<QString> folders;
    for (const CDocument* doc : m_docs.GetDocuments()) {
        if (doc->GetPathName().empty())
            continue;
        files.insert(ToQt(doc->GetPathName()));
        // The folder tells of a removed file coming back, which the file's own notice cannot.
        folders.insert(ToQt(Paths::FolderOf(doc->GetPathName())));
    }
    const QStringList watchedFiles = m_watcher.files();
    const QStringList watchedFolders = m_watcher.directories();
    for (const QString& file : watchedFiles) {
        if (files.count(file) == 0)
            m_watcher.removePath(file);
    }
    for (const QString& folder : watchedFolders) {
        if (folders.count(folder) == 0)
            m_watcher.removePath(folder);
    }
    // A file replaced by a rename is no longer the one watched: it is watched again.
    for (const QString& path : files) {
        if (!watchedFiles.contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
    }
    for (const QString& path : folders) {
        if (!watchedFolders.contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
    }
}
