#include "JdkHelp.h"

#include "framework/DesktopShell.h"
#include "framework/Ui.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <map>
#include <vector>

namespace fs = std::filesystem;

namespace {

using CIndexEntry = std::map<std::string, std::string>;

void AppendUtf8(std::string& out, unsigned code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Reads the quoted string that starts at text[pos], leaving pos after its closing quote.
bool ReadString(std::string_view text, std::size_t& pos, std::string& out)
{
    out.clear();
    if (pos >= text.size() || text[pos] != '"')
        return false;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= text.size())
            return false;
        switch (const char e = text[pos]) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u': {
            if (pos + 4 >= text.size())
                return false;
            unsigned code = 0;
            for (int i = 1; i <= 4; ++i) {
                const char h = text[pos + i];
                code <<= 4;
                if (h >= '0' && h <= '9')
                    code |= static_cast<unsigned>(h - '0');
                else if (h >= 'a' && h <= 'f')
                    code |= static_cast<unsigned>(h - 'a' + 10);
                else if (h >= 'A' && h <= 'F')
                    code |= static_cast<unsigned>(h - 'A' + 10);
                else
                    return false;
            }
            AppendUtf8(out, code);
            pos += 4;
            break;
        }
        default: out += e; break;
        }
    }
    return false;
}

void SkipSpace(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n'))
        ++pos;
}

// The objects of the script's array, each a set of string fields. The script is
// "name = [{"k":"v",...},...];" and more; reading stops at the first thing of another shape.
std::vector<CIndexEntry> ReadIndex(std::string_view script)
{
    std::vector<CIndexEntry> entries;
    std::size_t pos = script.find('[');
    if (pos == std::string_view::npos)
        return entries;
    ++pos;
    std::string key;
    std::string value;
    for (;;) {
        SkipSpace(script, pos);
        if (pos >= script.size() || script[pos] != '{')
            return entries;
        ++pos;
        CIndexEntry entry;
        for (;;) {
            SkipSpace(script, pos);
            if (pos < script.size() && script[pos] == '}') {
                ++pos;
                break;
            }
            if (!ReadString(script, pos, key))
                return entries;
            SkipSpace(script, pos);
            if (pos >= script.size() || script[pos] != ':')
                return entries;
            ++pos;
            SkipSpace(script, pos);
            if (!ReadString(script, pos, value))
                return entries;
            entry[key] = value;
            SkipSpace(script, pos);
            if (pos < script.size() && script[pos] == ',')
                ++pos;
        }
        entries.push_back(std::move(entry));
        SkipSpace(script, pos);
        if (pos < script.size() && script[pos] == ',')
            ++pos;
    }
}

std::string Field(const CIndexEntry& entry, const std::string& key)
{
    const auto it = entry.find(key);
    return it != entry.end() ? it->second : std::string();
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string ReadText(const fs::path& path)
{
    FileIo::FileReadResult read = FileIo::ReadWholeFile(path.string());
    return read.status == FileIo::FileStatus::Ok ? std::move(read.bytes) : std::string();
}

}  // namespace

std::string JdkHelp::PageInIndex(std::string_view typeIndex, std::string_view packageIndex, std::string_view name)
{
    if (name.empty())
        return {};
    const std::vector<CIndexEntry> types = ReadIndex(typeIndex);
    // The exact qualified name first, then the first class of that simple name, then any case.
    const CIndexEntry* found = nullptr;
    for (int pass = 0; pass < 3 && found == nullptr; ++pass) {
        for (const CIndexEntry& entry : types) {
            const std::string label = Field(entry, "l");
            const std::string package = Field(entry, "p");
            const bool bMatch = pass == 0   ? !package.empty() && package + "." + label == name
                                : pass == 1 ? label == name
                                            : EqualNoCase(label, name);
            if (bMatch && !package.empty()) {
                found = &entry;
                break;
            }
        }
    }
    if (found == nullptr)
        return {};
    const std::string package = Field(*found, "p");
    if (const std::string url = Field(*found, "u"); !url.empty())
        return url;
    // A modular javadoc files each package under its module; a type names its module itself
    // only now and then, its package's entry always does.
    std::string module = Field(*found, "m");
    if (module.empty()) {
        for (const CIndexEntry& entry : ReadIndex(packageIndex)) {
            if (Field(entry, "l") == package && !Field(entry, "m").empty()) {
                module = Field(entry, "m");
                break;
            }
        }
    }
    std::string page = module.empty() ? std::string() : module + "/";
    for (char c : package)
        page += c == '.' ? '/' : c;
    return page + "/" + Field(*found, "l") + ".html";
}

std::string JdkHelp::FindPage(const std::string& helpPath, std::string_view selected)
{
    if (helpPath.empty() || !FileIo::FileExists(helpPath))
        return {};
    const fs::path given(helpPath);
    std::error_code ec;
    const bool bFolder = fs::is_directory(given, ec);
    if (!bFolder && given.filename() != "index.html")
        return helpPath;
    const fs::path folder = bFolder ? given : given.parent_path();
    // The index of an installed documentation set may stand above its API folder.
    fs::path root;
    for (const fs::path& candidate : {folder, folder / "api"}) {
        if (IsFile(candidate / "type-search-index.js")) {
            root = candidate;
            break;
        }
    }
    fs::path index = bFolder ? folder / "index.html" : given;
    if (!IsFile(index))
        index = !root.empty() && IsFile(root / "index.html") ? root / "index.html" : given;
    if (root.empty())
        return index.string();
    const std::string page = PageInIndex(ReadText(root / "type-search-index.js"),
                                         ReadText(root / "package-search-index.js"), Trimmed(selected));
    if (!page.empty() && IsFile(root / page))
        return (root / page).string();
    return index.string();
}

void JdkHelp::Show(CUi& ui, CDesktopShell& shell, const std::string& helpPath, std::string_view selected)
{
    const std::string page = FindPage(helpPath, selected);
    if (page.empty() || !shell.Open(page))
        ui.MessageBox((page.empty() ? helpPath : page) +
                      "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
}
