#pragma once

#include "framework/DocumentListObserver.h"
#include "framework/DocumentObserver.h"
#include "framework/RecoveryStore.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <map>
#include <memory>
#include <string>

class CBackgroundFileWriter;
class CDocManager;
class CTextDocument;
class CUi;

// Keeps a recovery file of every text document with unsaved changes, so a crash, a kill or a
// power cut loses none of them. A document's file is written a few seconds after its last
// change, or at the latest after kLongestWait while the changes go on; here the text is only
// copied, the file is written on a thread of its own. Saving the document, undoing back to
// its saved state, or closing it without saving removes its file; a clean exit leaves none.
// At the next start, what a session that did not end cleanly left is offered in one question.
class CRecoveryManager : public QObject, private CDocumentListObserver, private CDocumentObserver {
public:
    static constexpr std::chrono::milliseconds kQuietTime {2000};
    static constexpr std::chrono::milliseconds kLongestWait {20000};

    CRecoveryManager(CDocManager& docs, CUi& ui, std::string folder);
    // Ends the session: its folder goes, unless it holds work that was not saved.
    ~CRecoveryManager() override;
    CRecoveryManager(const CRecoveryManager&) = delete;
    CRecoveryManager& operator=(const CRecoveryManager&) = delete;

    // Asks once about every document a session that ended badly left: Yes opens each with its
    // recovered text, modified, its file on disk untouched; No discards them; Cancel keeps them
    // for the next start. Files that cannot be read are kept aside and named first.
    void OfferLeftOvers();
    // For an end without questions: every document with unsaved changes is written now, and
    // the files stay for the next start to offer whatever becomes of the documents.
    void KeepAllForNextStart();

    // Copies the document's text and hands it to the writer, as the timer does.
    void WriteNow(CTextDocument& doc);
    // Waits until every file handed over is written; false after limit.
    bool WaitForWrites(std::chrono::milliseconds limit);
    // The document's recovery file, or "" while it has none.
    std::string FileOf(const CDocument& doc) const;
    // Tests wait less than a person types.
    void SetDelays(std::chrono::milliseconds quiet, std::chrono::milliseconds longest);

    static const char* const kRestoreQuestion;
    static const char* const kUnreadableMessage;
    static const char* const kCannotWriteWarning;

private:
    using Clock = std::chrono::steady_clock;
    struct CEntry {
        std::string strFile;  // "" until first written
        bool bDirty = false;  // changed since its file was last written
        Clock::time_point firstChange;
        Clock::time_point lastChange;
    };

    // CDocumentListObserver
    void OnDocumentOpened(CDocument& doc) override;
    void OnDocumentClosing(CDocument& doc) override;
    // CDocumentObserver
    void OnDocumentUpdate(CDocument&) override {}
    void OnDocumentChanged(CDocument& doc) override;
    void OnDocumentSaved(CDocument& doc) override;

    void OnTick();
    void Forget(CEntry& entry);
    void Restore(const CRecoveryStore::CLeftOver& leftOver);
    void OnWriteFailed();

    CDocManager& m_docs;
    CUi& m_ui;
    CRecoveryStore m_store;
    std::unique_ptr<CBackgroundFileWriter> m_pWriter;
    std::map<CDocument*, CEntry> m_entries;
    QTimer m_tick;
    std::chrono::milliseconds m_quiet = kQuietTime;
    std::chrono::milliseconds m_longest = kLongestWait;
    bool m_bKeep = false;
    bool m_bWarned = false;
};
