#pragma once

#include "FileIo.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// Writes and removes files on a thread of its own, so the thread that asks pays only for
// handing over the bytes. Work is done in the order asked, one path at a time; a newer request
// for a path whose last request has not started yet takes that one's place, so a removal is
// never overtaken by an older write, and only the newest bytes of a path are ever written.
class CBackgroundFileWriter {
public:
    // Told of each request once done, on the writer's thread. A removal of a file that is not
    // there counts as done.
    using DoneHandler = std::function<void(const std::string& path, FileIo::FileStatus status)>;

    explicit CBackgroundFileWriter(DoneHandler done = {});
    // Does what was asked before, then ends.
    ~CBackgroundFileWriter();
    CBackgroundFileWriter(const CBackgroundFileWriter&) = delete;
    CBackgroundFileWriter& operator=(const CBackgroundFileWriter&) = delete;

    // Written through a temporary file and a rename, as every save.
    void Write(std::string path, std::string bytes);
    void Remove(std::string path);
    // Waits until everything asked so far is done; false when that took longer than limit.
    bool Flush(std::chrono::milliseconds limit);
    // The memory of bytes written before, empty, for the next write's bytes to go into: filling
    // memory that is already the program's costs less than taking new. Empty when there is none.
    std::string TakeSpareBuffer();

private:
    struct CJob {
        std::string strPath;
        std::string bytes;
        bool bRemove = false;
    };
    void Queue(CJob job);
    void Work();
    // Keeps the larger of bytes and the spare as the spare; under m_lock.
    void KeepSpare(std::string& bytes);

    DoneHandler m_done;
    std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<CJob> m_jobs;  // guarded by m_lock
    std::string m_spare;      // guarded by m_lock
    bool m_bBusy = false;     // a job is being done; guarded by m_lock
    bool m_bStop = false;     // guarded by m_lock
    std::thread m_thread;
};
