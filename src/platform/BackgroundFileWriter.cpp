#include "BackgroundFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

CBackgroundFileWriter::CBackgroundFileWriter(DoneHandler done) : m_done(std::move(done))
{
    m_thread = std::thread([this] { Work(); });
}

CBackgroundFileWriter::~CBackgroundFileWriter()
{
    {
        std::lock_guard lock(m_lock);
        m_bStop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CBackgroundFileWriter::Write(std::string path, std::string bytes)
{
    Queue({std::move(path), std::move(bytes), false});
}

void CBackgroundFileWriter::Remove(std::string path)
{
    Queue({std::move(path), {}, true});
}

void CBackgroundFileWriter::Queue(CJob job)
{
    const bool bRemove = job.bRemove;
    {
        std::lock_guard lock(m_lock);
        const auto waiting = std::find_if(m_jobs.begin(), m_jobs.end(),
                                          [&](const CJob& each) { return each.strPath == job.strPath; });
        if (waiting != m_jobs.end()) {
            std::string replaced = std::exchange(*waiting, std::move(job)).bytes;
            KeepSpare(replaced);
        } else {
            m_jobs.push_back(std::move(job));
        }
        // A removal means the bytes that file held are not wanted again soon.
        if (bRemove)
            std::string().swap(m_spare);
    }
    m_wake.notify_one();
}

void CBackgroundFileWriter::KeepSpare(std::string& bytes)
{
    if (bytes.capacity() > m_spare.capacity()) {
        bytes.clear();
        m_spare.swap(bytes);
    }
}

std::string CBackgroundFileWriter::TakeSpareBuffer()
{
    std::lock_guard lock(m_lock);
    return std::exchange(m_spare, {});
}

bool CBackgroundFileWriter::Flush(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_lock);
    return m_idle.wait_for(lock, limit, [this] { return m_jobs.empty() && !m_bBusy; });
}

void CBackgroundFileWriter::Work()
{
    // The thread that asked is the one the user waits for: this one gives way to it, and does
    // not take its processor from it when woken.
    const sched_param batch {};
    [[maybe_unused]] const int nBatch = ::pthread_setschedparam(::pthread_self(), SCHED_BATCH, &batch);
    [[maybe_unused]] const int nNiced = ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
    std::unique_lock lock(m_lock);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bStop || !m_jobs.empty(); });
        if (m_jobs.empty()) {
            // Stopping, with everything done.
            return;
        }
        CJob job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_bBusy = true;
        lock.unlock();

        FileIo::FileStatus status = FileIo::FileStatus::Ok;
        if (job.bRemove) {
            if (::unlink(job.strPath.c_str()) != 0 && errno != ENOENT)
                status = FileIo::StatusFromErrno(errno, FileIo::FileDirection::Writing);
        } else {
            status = FileIo::WriteFileReplacing(job.strPath, job.bytes);
        }
        if (m_done)
            m_done(job.strPath, status);

        lock.lock();
        KeepSpare(job.bytes);
        m_bBusy = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}
