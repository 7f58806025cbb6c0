#pragma once

#include "framework/DocumentListObserver.h"
#include "framework/DocumentObserver.h"
#include "platform/FileStamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <map>

class CDocManager;
class CMDIFrameWnd;
class CTextDocument;
class CUi;

// Notices when another program changes or removes the file of an open document: from the
// system's notices about the files and their folders, and by a look at the files whenever the
// main window or a document window becomes active. A text window without changes of its own
// reads its file again, keeping the caret's line; one with changes asks whether to read it
// again and lose them. A removed file is reported once; Save writes it again. A changed project
// file is reported, and the project kept as it is open. Each version of a file is dealt with
// once: a window whose user kept its own text is not asked again until the file changes again.
class CFileChangeWatcher : public QObject, private CDocumentListObserver, private CDocumentObserver {
public:
    // Notices settle this long before the files are looked at, so a program that writes a file
    // in steps is seen once it is done.
    static constexpr int kSettleMs = 200;

    CFileChangeWatcher(CDocManager& docs, CUi& ui, CMDIFrameWnd& mainWnd);
    ~CFileChangeWatcher() override;
    CFileChangeWatcher(const CFileChangeWatcher&) = delete;
    CFileChangeWatcher& operator=(const CFileChangeWatcher&) = delete;

    // Looks at the file of every open document, or of one.
    void CheckAll();
    void Check(CDocument& doc);

    static const char* const kReloadQuestion;
    static const char* const kRemovedMessage;
    static const char* const kRemovedTextAddition;
    static const char* const kProjectChangedMessage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // CDocumentListObserver
    void OnDocumentOpened(CDocument& doc) override;
    void OnDocumentClosing(CDocument& doc) override;
    // CDocumentObserver
    void OnDocumentUpdate(CDocument&) override {}
    void OnDocumentTitleChanged(CDocument&) override { WatchOpenFiles(); }
    void OnDocumentSaved(CDocument&) override { WatchOpenFiles(); }

    bool IsOpen(const CDocument* doc) const;
    void CheckOne(CDocument& doc);
    void Reload(CTextDocument& doc);
    // The system is told to watch exactly the open documents' files and their folders.
    void WatchOpenFiles();

    CDocManager& m_docs;
    CUi& m_ui;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    // The version of each document's file last dealt with.
    std::map<const CDocument*, CFileStamp> m_dealtWith;
    bool m_bChecking = false;
    bool m_bCheckAgain = false;
};
