#pragma once

#include "RecoveryRecord.h"

#include "platform/FileIo.h"
#include "platform/UniqueFd.h"

#include <string>
#include <utility>
#include <vector>

// The recovery folder. Each running session keeps the recovery files of its documents in a
// folder of its own, "session-XXXXXX", holding a lock file that the session keeps locked while
// it runs; the system lets go of the lock however the session ends. A session folder whose lock
// nobody holds was left by a session that did not close its documents: what it holds is what
// the next start offers.
//
//     recovery/session-Ab12Cd/lock
//     recovery/session-Ab12Cd/doc-1.rec
//     recovery/unreadable-session-Zz99Yy-doc-2.rec   (a file that could not be read, kept)
class CRecoveryStore {
public:
    explicit CRecoveryStore(std::string folder);
    // Lets go of every lock; the folders stay as they are.
    ~CRecoveryStore();
    CRecoveryStore(const CRecoveryStore&) = delete;
    CRecoveryStore& operator=(const CRecoveryStore&) = delete;

    const std::string& Folder() const { return m_strFolder; }

    // Makes this session's folder, locked while this object lives, unless it is there already.
    FileIo::FileStatus OpenSession();
    bool HasSession() const { return m_sessionLock.IsValid(); }
    const std::string& SessionFolder() const { return m_strSession; }
    // A name for one more document's file in this session's folder; the file is not made.
    std::string NewDocumentFile();

    struct CLeftOver {
        std::string strFile;
        CRecoveryRecord record;
    };
    struct CFindings {
        std::vector<CLeftOver> documents;
        // Files that could not be read: where each was, and where it is kept now.
        std::vector<std::pair<std::string, std::string>> unreadable;
    };
    // What the sessions that did not end cleanly left, oldest file first. Their locks are held
    // until ReleaseLeftOvers, so a second start at the same time does not offer them too.
    // Unreadable files are moved aside into the recovery folder, never deleted.
    CFindings FindLeftOvers();
    // Moves a left-over file into this session's folder; its new path, or "" when it could not
    // be moved (it then stays where it was).
    std::string Adopt(const std::string& file);
    void Discard(const std::string& file);
    // Lets go of the sessions FindLeftOvers took: those left empty go, the others wait for
    // another start.
    void ReleaseLeftOvers();

    // The end of this session: its folder goes with everything in it, or with bKeepFiles the
    // files stay for the next start to offer.
    void CloseSession(bool bKeepFiles);

private:
    std::string m_strFolder;
    std::string m_strSession;
    CUniqueFd m_sessionLock;
    int m_nNextFile = 0;
    // The left-over sessions this start holds, with their locks.
    std::vector<std::pair<std::string, CUniqueFd>> m_leftOvers;
};
