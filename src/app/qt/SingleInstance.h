#pragma once

#include <QLocalServer>
#include <QObject>

#include <deque>
#include <string>
#include <vector>

class CQuarnelApp;

// One running instance per user. A later start hands the files named on its command line to
// it over a local socket and ends; the running instance opens them as File > Open would and
// comes to the front. A later start that names no file brings the running instance forward.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        HandedOver,  // the running instance took the files: this start ends here
        Listening,   // this start is the running instance now
        Separate,    // there is no safe place for the socket: this start runs on its own
        Failed,      // an instance listens but did not take the files
    };

    CSingleInstance();
    ~CSingleInstance() override;

    // Relative files are made absolute against this process's current folder first. GetError
    // says why for Separate and Failed.
    Role Start(const std::vector<std::string>& files);
    const std::string& GetError() const { return m_strError; }

    // Opens in app what has arrived so far and everything that arrives later. Files that arrive
    // while the application is still starting wait for this.
    void Serve(CQuarnelApp& app);

private:
    enum class HandOverResult { Taken, NobodyListens, Failed };

    HandOverResult HandOver(const std::vector<std::string>& files);
    bool Listen();
    void OnNewConnection();
    void OpenReceived();
    void RaiseMainWindow();

    std::string m_strSocketPath;
    std::string m_strError;
    QLocalServer m_server;
    CQuarnelApp* m_pApp = nullptr;
    std::deque<std::vector<std::string>> m_received;  // taken, not opened yet
    bool m_bOpening = false;
};
