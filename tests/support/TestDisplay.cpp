#include "TestDisplay.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

// Last: Xlib's macros (None, Bool, Status) would clash with names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The one display the process's CTestDisplay objects share.
struct CShared {
    std::mutex lock;
    int nUsers = 0;
    std::string strDisplay;
    std::string strError;
    pid_t xvfb = -1;  // our own server, or -1 when the session's display is used
};

CShared& Shared()
{
    static CShared shared;
    return shared;
}

// Closes a descriptor when it goes.
class CFd {
public:
    explicit CFd(int fd = -1) : m_fd(fd) {}
    ~CFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

int MillisecondsLeft(Clock::time_point end)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool WaitReady(int fd, short events, Clock::time_point end)
{
    pollfd entry{fd, events, 0};
    for (;;) {
        const int n = ::poll(&entry, 1, MillisecondsLeft(end));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

// Connects without blocking past the deadline; -1 on failure.
int ConnectBy(int family, const sockaddr* address, socklen_t length, Clock::time_point end)
{
    const int fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, address, length) == 0)
        return fd;
    int error = errno;
    if (error == EINPROGRESS && WaitReady(fd, POLLOUT, end)) {
        socklen_t size = sizeof(error);
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0)
            return fd;
    }
    ::close(fd);
    return -1;
}

int ConnectUnix(const std::string& number, Clock::time_point end)
{
    const std::string path = "/tmp/.X11-unix/X" + number;
    for (const bool bAbstract : {false, true}) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        // A server without the socket file (another mount namespace) still has the abstract one.
        const size_t offset = bAbstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, path.data(), path.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
        const int fd = ConnectBy(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length, end);
        if (fd >= 0)
            return fd;
    }
    return -1;
}

int ConnectTcp(const std::string& host, const std::string& number, Clock::time_point end)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(6000 + std::atoi(number.c_str()));
    if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0)
        return -1;
    int fd = -1;
    for (const addrinfo* each = found; each != nullptr && fd < 0; each = each->ai_next)
        fd = ConnectBy(each->ai_family, each->ai_addr, each->ai_addrlen, end);
    ::freeaddrinfo(found);
    return fd;
}

std::string FindOnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t colon = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, colon - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = colon + 1;
    }
    return "";
}

void StopServer(pid_t pid)
{
    ::kill(pid, SIGTERM);
    const auto end = Clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > end) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Starts Xvfb on a display number it picks itself and waits until it answers there.
void StartServer(CShared& shared)
{
    const std::string program = FindOnPath("Xvfb");
    if (program.empty()) {
        shared.strError = "Xvfb is not installed (./scripts/setup installs it)";
        return;
    }
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        shared.strError = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    CFd readEnd(ends[0]);
    CFd writeEnd(ends[1]);
    // Xvfb writes the display number it chose to this descriptor once it accepts connections.
    const std::string fdText = std::to_string(writeEnd.Get());
    const char* argv[] = {"Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", "1280x1024x24",
                          "-nolisten", "tcp", "-noreset", nullptr};
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        shared.strError = std::string("fork: ") + std::strerror(errno);
        return;
    }
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
        ::fcntl(ends[1], F_SETFD, 0);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(program.c_str(), const_cast<char* const*>(argv));
        ::_exit(127);
    }
    writeEnd.Reset(-1);

    const auto end = Clock::now() + std::chrono::seconds(60);
    std::string number;
    bool bLine = false;
    bool bEnded = false;
    while (!bLine && !bEnded && WaitReady(readEnd.Get(), POLLIN, end)) {
        char c = 0;
        const ssize_t n = ::read(readEnd.Get(), &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        bEnded = n <= 0;
        if (c == '\n')
            bLine = true;
        else if (n > 0)
            number += c;
    }
    if (!bLine || number.empty()) {
        StopServer(pid);
        shared.strError = program + (bEnded ? " ended before it named a display" : " named no display within a minute");
        return;
    }
    const std::string display = ":" + number;
    while (!CTestDisplay::Answers(display)) {
        if (Clock::now() > end) {
            StopServer(pid);
            shared.strError = program + " does not answer on " + display;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    shared.xvfb = pid;
    shared.strDisplay = display;
}

// The first window with that title, searched through the whole tree, since a window manager
// puts top-level windows inside frames of its own.
Window FindWindowTitled(Display* display, Window under, const std::string& title)
{
    char* name = nullptr;
    if (XFetchName(display, under, &name) != 0 && name != nullptr) {
        const bool bMatch = title == name;
        XFree(name);
        if (bMatch)
            return under;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int nChildren = 0;
    Window found = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &nChildren) != 0) {
        for (unsigned int i = 0; i < nChildren && found == 0; ++i)
            found = FindWindowTitled(display, children[i], title);
        if (children != nullptr)
            XFree(children);
    }
    return found;
}

// A window may go between the search and the questions about it; that is no error here.
int IgnoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

CTestDisplay::CTestDisplay()
{
    CShared& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    if (shared.nUsers++ > 0)
        return;
    shared.strError.clear();
    const char* session = std::getenv("DISPLAY");
    if (session != nullptr && *session != '\0' && Answers(session)) {
        shared.strDisplay = session;
        return;
    }
    StartServer(shared);
}

CTestDisplay::~CTestDisplay()
{
    CShared& shared = Shared();
    std::lock_guard<std::mutex> guard(shared.lock);
    if (--shared.nUsers > 0)
        return;
    if (shared.xvfb > 0)
        StopServer(shared.xvfb);
    shared.xvfb = -1;
    shared.strDisplay.clear();
}

const std::string& CTestDisplay::Get() const
{
    return Shared().strDisplay;
}

const std::string& CTestDisplay::Error() const
{
    return Shared().strError;
}

std::vector<std::string> CTestDisplay::ChildEnvironment() const
{
    const bool bOwnServer = Shared().xvfb > 0;
    std::vector<std::string> entries;
    for (char** each = environ; *each != nullptr; ++each) {
        const std::string entry = *each;
        if (entry.rfind("DISPLAY=", 0) == 0 || (bOwnServer && entry.rfind("XAUTHORITY=", 0) == 0))
            continue;
        entries.push_back(entry);
    }
    if (!Get().empty())
        entries.push_back("DISPLAY=" + Get());
    // Our server asks for no credentials; an empty list keeps the session's cookies away from it.
    if (bOwnServer)
        entries.push_back("XAUTHORITY=/dev/null");
    return entries;
}

std::optional<CTestDisplay::CWindowSize> CTestDisplay::CloseWindow(const std::string& title,
                                                                  std::chrono::milliseconds limit) const
{
    if (Get().empty())
        return std::nullopt;
    Display* display = XOpenDisplay(Get().c_str());
    if (display == nullptr)
        return std::nullopt;
    const auto oldHandler = XSetErrorHandler(IgnoreXErrors);
    std::optional<CWindowSize> size;
    const auto end = Clock::now() + limit;
    while (!size && Clock::now() < end) {
        const Window window = FindWindowTitled(display, DefaultRootWindow(display), title);
        XWindowAttributes attributes{};
        if (window == 0 || XGetWindowAttributes(display, window, &attributes) == 0 ||
            attributes.map_state != IsViewable) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        size = CWindowSize{attributes.width, attributes.height};
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        XSync(display, False);
    }
    XSetErrorHandler(oldHandler);
    XCloseDisplay(display);
    return size;
}

bool CTestDisplay::Answers(const std::string& display)
{
    const size_t colon = display.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = display.substr(0, colon);
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const auto end = Clock::now() + std::chrono::seconds(5);
    CFd fd(host.empty() || host == "unix" ? ConnectUnix(number, end) : ConnectTcp(host, number, end));
    if (fd.Get() < 0)
        return false;
    // The connection setup of the X protocol, little-endian, version 11.0, no authorisation;
    // the first byte of the reply is 1 when the server accepts it.
    const unsigned char setup[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (::send(fd.Get(), setup, sizeof(setup), MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof(setup)))
        return false;
    unsigned char status = 0;
    while (WaitReady(fd.Get(), POLLIN, end)) {
        const ssize_t n = ::recv(fd.Get(), &status, 1, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        return n == 1 && status == 1;
    }
    return false;
}
