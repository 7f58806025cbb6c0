// The child the runner's benchmark captures: the given number of bytes in 80-character lines,
// every 820th line on standard error. Given a gate (a named pipe) and a size, it then writes that
// many bytes more for each byte it reads from the gate, until the gate closes.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            std::_Exit(1);
        data += n;
        size -= static_cast<size_t>(n);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const long long nBytes = argc > 1 ? std::atoll(argv[1]) : 0;
    constexpr int kLinesPerBlock = 819;
    std::string block;
    for (int i = 0; i < kLinesPerBlock; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "%-79.79s\n", "javac: a line of compiler output, eighty characters long with its line feed");
        block += line;
    }
    std::string error(79, 'E');
    error += '\n';
    long long written = 0;
    const auto writeUpTo = [&](long long nEnd) {
        while (written < nEnd) {
            const size_t size = static_cast<size_t>(std::min<long long>(static_cast<long long>(block.size()), nEnd - written));
            WriteAll(1, block.data(), size);
            written += static_cast<long long>(size);
            if (written < nEnd) {
                const size_t more = static_cast<size_t>(std::min<long long>(80, nEnd - written));
                WriteAll(2, error.data(), more);
                written += static_cast<long long>(more);
            }
        }
    };
    writeUpTo(nBytes);
    if (argc > 3) {
        const int gate = ::open(argv[2], O_RDONLY | O_CLOEXEC);
        const long long nMore = std::atoll(argv[3]);
        char byte = 0;
        while (gate >= 0 && ::read(gate, &byte, 1) == 1)
            writeUpTo(written + nMore);
    }
    return 0;
}
