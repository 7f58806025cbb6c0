#pragma once

#include "platform/ChildProcess.h"
#include "platform/UniqueFd.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// The program driven by its command line (IdeDriver.cpp), started by a test: its output is read
// as it comes, and a program still running when the test ends is killed.
class CIdeDriverProcess {
public:
    struct CDocumentText {
        std::string strPath;  // "" for a document never saved
        std::string strText;
    };

    ~CIdeDriverProcess()
    {
        if (m_child.IsRunning())
            ::kill(m_child.Pid(), SIGKILL);
        if (m_child.IsStarted())
            m_child.WaitForExit();
    }

    bool Start(const std::vector<std::string>& steps)
    {
        CUniqueFd writeEnd;
        if (!CChildProcess::MakePipe(m_output, writeEnd))
            return false;
        CSpawnRequest request;
        request.strApplication = ONDRIK_IDE_DRIVER;
        request.argv = {"ondrik_ide_driver"};
        request.argv.insert(request.argv.end(), steps.begin(), steps.end());
        request.nOutputFd = writeEnd.Get();
        return m_child.Start(request) == 0;
    }

    // Reads until the steps are done; false when the program ended or failed a step first. The
    // suite runs under AddressSanitizer too, where starting the program takes seconds.
    bool WaitReady() { return ReadUntil("ready\n", std::chrono::seconds(60)); }

    // Waits for the program to end, reading what it still writes; its exit code, or nothing at
    // the deadline.
    std::optional<int> WaitForExit(std::chrono::seconds limit)
    {
        ReadUntil({}, limit);
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (m_child.IsRunning()) {
            if (std::chrono::steady_clock::now() > deadline)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return m_child.WaitForExit();
    }

    pid_t Pid() const { return m_child.Pid(); }
    const std::string& Output() const { return m_strOutput; }

    // The documents as the program held them when its steps were done.
    std::vector<CDocumentText> Documents() const
    {
        std::vector<CDocumentText> docs;
        std::size_t pos = 0;
        while ((pos = m_strOutput.find("doc -", pos)) != std::string::npos) {
            const std::size_t second = m_strOutput.find(" -", pos + 5);
            const std::size_t end = m_strOutput.find('\n', second);
            docs.push_back({FromHex(m_strOutput.substr(pos + 5, second - pos - 5)),
                            FromHex(m_strOutput.substr(second + 2, end - second - 2))});
            pos = end;
        }
        return docs;
    }

private:
    static std::string FromHex(const std::string& hex)
    {
        std::string bytes;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
            bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        return bytes;
    }

    // Reads until the output holds marker (or, with none, until it ends); false at the end of
    // the output or the deadline.
    bool ReadUntil(const std::string& marker, std::chrono::seconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (marker.empty() || m_strOutput.find(marker) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd entry {m_output.Get(), POLLIN, 0};
            if (left.count() <= 0 || ::poll(&entry, 1, static_cast<int>(left.count())) <= 0)
                return false;
            char buffer[65536];
            const ssize_t n = ::read(m_output.Get(), buffer, sizeof buffer);
            if (n <= 0)
                return false;
            m_strOutput.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    }

    CChildProcess m_child;
    CUniqueFd m_output;
    std::string m_strOutput;
};
