#include "ProcessRunner.h"

#include "CapturedRun.h"

bool ProcessRunner::IsCurrent() const
{
    return m_run.CurrentRunNumber() == m_nRun;
}

bool ProcessRunner::IsRunning() const
{
    return IsCurrent() && m_run.IsRunning();
}

std::string ProcessRunner::CopyOutput() const
{
    return m_run.CopyOutput();
}

std::string ProcessRunner::CopyOutputFrom(std::size_t nFrom, std::size_t nMax) const
{
    return m_run.CopyOutputFrom(nFrom, nMax);
}

bool ProcessRunner::Terminate(int nExitCode)
{
    return IsCurrent() && m_run.TerminateCaptured(nExitCode);
}

COutputText::CPiece ProcessRunner::CopyPieceFrom(std::size_t nFrom, std::size_t nMax) const
{
    return m_run.CopyPieceFrom(nFrom, nMax);
}

bool ProcessRunner::AcceptsInput() const
{
    return IsCurrent() && m_run.AcceptsInput();
}

bool ProcessRunner::SendInput(std::string_view bytes, bool bEcho)
{
    return IsCurrent() && m_run.SendInput(bytes, bEcho);
}

bool ProcessRunner::EndInput()
{
    return IsCurrent() && m_run.EndInput();
}
