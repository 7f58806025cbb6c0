#include "SingleInstance.h"

#include "QuarnelApp.h"

#include "app/InstanceMessage.h"
#include "app/InstanceSocket.h"
#include "framework/qt/MDIFrameWnd.h"
#include "platform/Paths.h"
#include "platform/UniqueFd.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>

#include <fcntl.h>
#include <memory>
#include <sys/file.h>

namespace {

// Long enough for a busy instance built with the sanitizers; a later start never waits longer.
constexpr int kAnswerMs = 10000;

QString SocketName(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Held while a start looks for a listener and, finding none, becomes it, so two starts at the
// same moment cannot both listen.
class CStartLock {
public:
    explicit CStartLock(const std::string& socketPath)
        : m_fd(::open((socketPath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (m_fd.IsValid())
            ::flock(m_fd.Get(), LOCK_EX);
    }

private:
    CUniqueFd m_fd;  // closing it lets the lock go
};

}  // namespace

CSingleInstance::CSingleInstance()
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
}

CSingleInstance::~CSingleInstance() = default;

CSingleInstance::Role CSingleInstance::Start(const std::vector<std::string>& files)
{
    const InstanceSocket::CPlace place = InstanceSocket::PlaceFromProcess();
    if (place.strPath.empty()) {
        m_strError = "files named by later starts will open in new instances: " + place.strError;
        return Role::Separate;
    }
    m_strSocketPath = place.strPath;

    const CStartLock lock(m_strSocketPath);
    switch (HandOver(files)) {
    case HandOverResult::Taken: return Role::HandedOver;
    case HandOverResult::Failed: return Role::Failed;
    case HandOverResult::NobodyListens: break;
    }
    return Listen() ? Role::Listening : Role::Separate;
}

CSingleInstance::HandOverResult CSingleInstance::HandOver(const std::vector<std::string>& files)
{
    QLocalSocket socket;
    socket.connectToServer(SocketName(m_strSocketPath));
    if (!socket.waitForConnected(kAnswerMs)) {
        // Refused: a socket left behind by an instance that ended without closing it.
        if (socket.error() == QLocalSocket::ServerNotFoundError ||
            socket.error() == QLocalSocket::ConnectionRefusedError)
            return HandOverResult::NobodyListens;
        m_strError = "cannot reach the running instance: " + socket.errorString().toStdString();
        return HandOverResult::Failed;
    }

    std::vector<std::string> absolute;
    absolute.reserve(files.size());
    for (const std::string& file : files)
        absolute.push_back(Paths::Absolute(file));
    const auto message = CInstanceMessage::Encode(absolute);
    if (!message) {
        m_strError = "too many files, or a path too long, to hand to the running instance";
        return HandOverResult::Failed;
    }

    const QDeadlineTimer deadline(kAnswerMs);
    socket.write(message->data(), static_cast<qint64>(message->size()));
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
    }
    const auto ackSize = static_cast<qint64>(CInstanceMessage::kAcknowledgement.size());
    QByteArray answer;
    while (answer.size() < ackSize) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
        answer += socket.read(ackSize - answer.size());
    }
    if (answer.toStdString() != CInstanceMessage::kAcknowledgement) {
        m_strError = "the running instance did not take the files (start with --new-instance to open them apart)";
        return HandOverResult::Failed;
    }
    return HandOverResult::Taken;
}

bool CSingleInstance::Listen()
{
    // Nobody answered on the socket, so whatever file stands at its path is left over.
    QLocalServer::removeServer(SocketName(m_strSocketPath));
    if (!m_server.listen(SocketName(m_strSocketPath))) {
        m_strError = "files named by later starts will open in new instances: cannot listen on " +
                     m_strSocketPath + ": " + m_server.errorString().toStdString();
        return false;
    }
    connect(&m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
    return true;
}

void CSingleInstance::OnNewConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        auto message = std::make_shared<CInstanceMessage>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A sender that never finishes is not kept for ever.
        QTimer::singleShot(kAnswerMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, message] {
            const QByteArray bytes = socket->readAll();
            switch (message->Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
            case CInstanceMessage::State::Incomplete: return;
            case CInstanceMessage::State::Malformed:
                socket->abort();
                socket->deleteLater();
                return;
            case CInstanceMessage::State::Complete: break;
            }
            // The sender is answered at once; opening may ask the user questions and takes its time.
            const std::string_view ack = CInstanceMessage::kAcknowledgement;
            socket->write(ack.data(), static_cast<qint64>(ack.size()));
            socket->disconnectFromServer();
            m_received.push_back(message->GetPaths());
            QMetaObject::invokeMethod(this, &CSingleInstance::OpenReceived, Qt::QueuedConnection);
        });
    }
}

void CSingleInstance::Serve(CQuarnelApp& app)
{
    m_pApp = &app;
    OpenReceived();
}

void CSingleInstance::OpenReceived()
{
    // Opening a project may ask a question whose event loop brings the next files here; the
    // call already opening takes them after its own, in order.
    if (m_pApp == nullptr || m_bOpening)
        return;
    m_bOpening = true;
    while (!m_received.empty()) {
        const std::vector<std::string> paths = std::move(m_received.front());
        m_received.pop_front();
        RaiseMainWindow();
        for (const std::string& path : paths)
            m_pApp->OpenDocumentFile(path);
    }
    m_bOpening = false;
}

void CSingleInstance::RaiseMainWindow()
{
    CMDIFrameWnd* window = m_pApp->GetMainWnd();
    if (window == nullptr)
        return;
    // A minimised window comes back as it was before, maximised or not.
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}
