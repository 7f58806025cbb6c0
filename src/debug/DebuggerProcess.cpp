#include "DebuggerProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <thread>

namespace {

bool MakeNonBlocking(const CUniqueFd& fd)
{
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    return flags >= 0 && ::fcntl(fd.Get(), F_SETFL, flags | O_NONBLOCK) == 0;
}

}  // namespace

int CDebuggerProcess::Start(const std::string& application, const std::vector<std::string>& argv,
                            const std::string& folder)
{
    CUniqueFd inputRead;
    CUniqueFd outputWrite;
    CUniqueFd errorWrite;
    if (!CChildProcess::MakePipe(inputRead, m_input) || !CChildProcess::MakePipe(m_output, outputWrite) ||
        !CChildProcess::MakePipe(m_error, errorWrite))
        return errno != 0 ? errno : EMFILE;
    if (!MakeNonBlocking(m_input) || !MakeNonBlocking(m_output) || !MakeNonBlocking(m_error))
        return errno;

    CSpawnRequest request;
    request.strApplication = application;
    request.argv = argv;
    request.strFolder = folder;
    request.nInputFd = inputRead.Get();
    request.nOutputFd = outputWrite.Get();
    request.nErrorFd = errorWrite.Get();
    // Should the program die, the debugger is told with a signal it can catch: its shutdown
    // hook then ends the program's JVM, which SIGKILL would leave running.
    request.bEndWithStarter = true;
    request.nEndSignal = SIGTERM;
    return m_child.Start(request);
    // The child's ends close here: each pipe breaks when the debugger and what it started let go.
}

std::optional<int> CDebuggerProcess::Finish(std::chrono::milliseconds grace)
{
    if (!m_child.IsStarted())
        return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (m_child.IsRunning() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    // A debugger that has ended keeps its exit code; what it left running goes with its group.
    if (!m_child.Terminate(kEndedByOndrik))
        m_child.KillGroup();
    return m_child.WaitForExit();
}
