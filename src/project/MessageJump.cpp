#include "MessageJump.h"

#include "platform/Paths.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <utility>
#include <vector>

namespace MessageJump {

std::optional<std::string_view> LineAt(std::string_view output, int nLine)
{
    if (nLine < 0)
        return std::nullopt;
    std::size_t start = 0;
    for (int i = 0;; ++i) {
        const std::size_t cr = output.find('\r', start);
        if (cr == std::string_view::npos)
            return std::nullopt;
        if (i == nLine)
            return output.substr(start, cr - start);
        start = cr + 1;
        if (start < output.size() && output[start] == '\n')
            ++start;
    }
}

std::optional<std::size_t> NameEnd(std::string_view line, std::string_view name)
{
    const std::size_t at = name.empty() ? std::string_view::npos : line.find(name);
    if (at == std::string_view::npos)
        return std::nullopt;
    if (at != 0 && line[at - 1] != Paths::kSeparator)
        return std::nullopt;
    return at + name.size();
}

int NumberAt(std::string_view line, std::size_t pos)
{
    long value = 0;
    for (; pos < line.size() && std::isdigit(static_cast<unsigned char>(line[pos])) != 0; ++pos) {
        value = value * 10 + (line[pos] - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

std::optional<CFrame> StackFrame(std::string_view line)
{
    const std::size_t at = line.find("at ");
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t open = line.find('(', at);
    const std::size_t colon = open == std::string_view::npos ? open : line.find(':', open);
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = line.substr(open + 1, colon - open - 1);
    constexpr std::string_view kJava = ".java";
    if (name.size() <= kJava.size() || name.substr(name.size() - kJava.size()) != kJava)
        return std::nullopt;
    const int nLine = NumberAt(line, colon + 1);
    const std::size_t end = line.find_first_not_of("0123456789", colon + 1);
    if (nLine <= 0 || end == std::string_view::npos || line[end] != ')')
        return std::nullopt;
    return CFrame {std::string(name), nLine};
}

namespace {

// A frame's class with its package, "a.b.C$D" of "a.b.C$D.m": after any module or loader name
// ("java.base/", "app//") and before the method.
std::string_view FrameClass(std::string_view line)
{
    const std::size_t at = line.find("at ");
    const std::size_t open = line.find('(', at);
    std::string_view qualified = line.substr(at + 3, open - at - 3);
    if (const std::size_t slash = qualified.rfind('/'); slash != std::string_view::npos)
        qualified.remove_prefix(slash + 1);
    const std::size_t dot = qualified.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : qualified.substr(0, dot);
}

}  // namespace

std::optional<CToolMessage> ParseLine(std::string_view line)
{
    // "PATH:LINE:" with the first colon that a number and a colon follow; a path may hold colons.
    for (std::size_t colon = line.find(':'); colon != std::string_view::npos; colon = line.find(':', colon + 1)) {
        const std::size_t digits = colon + 1;
        const std::size_t end = line.find_first_not_of("0123456789", digits);
        if (colon == 0 || end == digits || end == std::string_view::npos || line[end] != ':')
            continue;
        const int nLine = NumberAt(line, digits);
        if (nLine <= 0)
            continue;
        CToolMessage message {std::string(line.substr(0, colon)), nLine};
        std::string_view rest = line.substr(end + 1);
        if (rest.starts_with(' '))
            rest.remove_prefix(1);
        for (const auto& [prefix, kind] : {std::pair {std::string_view("error: "), CToolMessage::EKind::Error},
                                           std::pair {std::string_view("warning: "), CToolMessage::EKind::Warning}}) {
            if (rest.starts_with(prefix)) {
                rest.remove_prefix(prefix.size());
                message.kind = kind;
            }
        }
        message.strText = rest;
        return message;
    }
    const std::optional<CFrame> frame = StackFrame(line);
    if (!frame)
        return std::nullopt;
    CToolMessage message {frame->strName, frame->nLine};
    const std::string_view className = FrameClass(line);
    const std::size_t dot = className.rfind('.');
    message.strQualifiedFile = frame->strName;
    if (dot != std::string_view::npos) {
        std::string folders(className.substr(0, dot));
        std::replace(folders.begin(), folders.end(), '.', Paths::kSeparator);
        message.strQualifiedFile = Paths::Join(folders, frame->strName);
    }
    return message;
}

namespace {

// The line that starts at pos, ended by a CR (a CR LF counts as one end), and where the next one
// starts; nothing for a last line without its CR.
struct CLineAt {
    std::string_view text;
    std::size_t nNext = 0;
};
std::optional<CLineAt> LineFrom(std::string_view output, std::size_t pos)
{
    const std::size_t cr = pos < output.size() ? output.find('\r', pos) : std::string_view::npos;
    if (cr == std::string_view::npos)
        return std::nullopt;
    std::size_t next = cr + 1;
    if (next < output.size() && output[next] == '\n')
        ++next;
    return CLineAt {output.substr(pos, cr - pos), next};
}

// javac's caret under the column it means: blanks and one '^'.
bool IsCaretLine(std::string_view line)
{
    const std::size_t caret = line.find_first_not_of(" \t");
    return caret != std::string_view::npos && line[caret] == '^' && caret + 1 == line.size();
}

}  // namespace

std::vector<COutputMessage> ReadMessages(std::string_view output)
{
    std::vector<COutputMessage> messages;
    std::size_t pos = 0;
    for (int nLine = 0;; ++nLine) {
        const std::optional<CLineAt> line = LineFrom(output, pos);
        if (!line)
            break;
        pos = line->nNext;
        std::optional<CToolMessage> message = ParseLine(line->text);
        if (!message)
            continue;
        const bool bJavac = message->kind != CToolMessage::EKind::Other && message->strQualifiedFile.empty();
        messages.push_back({nLine, line->text, std::move(*message)});
        if (!bJavac)
            continue;
        // The quoted source line may read like a message itself; the caret under it tells it.
        const std::optional<CLineAt> quoted = LineFrom(output, pos);
        const std::optional<CLineAt> caret = quoted ? LineFrom(output, quoted->nNext) : std::nullopt;
        if (!caret || !IsCaretLine(caret->text))
            continue;
        pos = caret->nNext;
        nLine += 2;
        std::string& detail = messages.back().message.strDetail;
        for (std::optional<CLineAt> more = LineFrom(output, pos); more && more->text.starts_with("  ");
             more = LineFrom(output, pos)) {
            if (!detail.empty())
                detail += '\n';
            detail += more->text.substr(2);
            pos = more->nNext;
            ++nLine;
        }
    }
    return messages;
}

std::optional<std::string> ResolveFile(const CToolMessage& message, const CMessagePlaces& places)
{
    const auto under = [](const std::string& folder, const std::string& relative) {
        return folder.empty() ? std::string() : Paths::Join(folder, relative);
    };
    std::vector<std::string> candidates;
    if (!message.strQualifiedFile.empty()) {
        candidates = {under(places.strSourceRoot, message.strQualifiedFile),
                      under(places.strRunFolder, message.strQualifiedFile)};
    } else if (message.strPath.starts_with(Paths::kSeparator)) {
        candidates = {message.strPath};
    } else {
        candidates = {under(places.strRunFolder, message.strPath)};
    }
    for (const std::string& candidate : candidates) {
        // javac writes the files it found on its source path as "./a/B.java".
        if (!candidate.empty() && places.isFile(candidate))
            return Paths::Absolute(candidate);
    }
    return places.projectFile ? places.projectFile(Paths::NameOf(message.strPath)) : std::nullopt;
}

}  // namespace MessageJump
