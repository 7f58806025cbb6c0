#include "HtmlExport.h"

#include "ColourClass.h"
#include "SyntaxColourer.h"

#include <cstdint>

namespace HtmlExport {

namespace {

char PageClass(char code)
{
    return ColourClass::Shown(code);
}

// The span of a page class; nullptr for normal text, which stands outside any span.
const char* SpanName(char pageClass)
{
    switch (pageClass) {
    case ColourClass::kKeyword: return "keyword";
    case ColourClass::kComment: return "comment";
    case ColourClass::kString: return "string";
    case ColourClass::kTag: return "tag";
    default: return nullptr;
    }
}

void AppendEscaped(std::string& out, std::string_view bytes)
{
    for (char c : bytes) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c; break;
        }
    }
}

// 0x00BBGGRR as #rrggbb; the top byte is no part of the colour.
std::string CssColour(std::uint32_t colour)
{
    constexpr char kDigits[] = "0123456789abcdef";
    std::string css = "#";
    for (int shift : {0, 8, 16}) {
        const unsigned part = (colour >> shift) & 0xFFu;
        css += kDigits[part >> 4];
        css += kDigits[part & 0xFu];
    }
    return css;
}

}  // namespace

std::string MakePage(std::string_view text, std::string_view classes, const CEditorSettings& colours,
                     std::string_view title)
{
    std::string page;
    page.reserve(text.size() + text.size() / 4 + 512);
    page += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    AppendEscaped(page, title);
    page += "</title>\n<style>\n";
    page += "pre { color: " + CssColour(colours.crNormal) + "; }\n";
    page += ".keyword { color: " + CssColour(colours.crKeyword) + "; }\n";
    page += ".comment { color: " + CssColour(colours.crComment) + "; }\n";
    page += ".string { color: " + CssColour(colours.crString) + "; }\n";
    page += ".tag { color: " + CssColour(colours.crTag) + "; }\n";
    page += "</style>\n</head>\n<body>\n<pre>";
    if (!text.empty() && (text.front() == '\n' || text.front() == '\r'))
        page += '\n';  // the one a reader drops, so the text's own line break is kept

    // A byte without a class (classes shorter than the text) is normal.
    auto classAt = [&](std::size_t i) { return i < classes.size() ? PageClass(classes[i]) : ColourClass::kNormal; };
    std::size_t start = 0;
    while (start < text.size()) {
        const char runClass = classAt(start);
        std::size_t end = start + 1;
        while (end < text.size() && classAt(end) == runClass)
            ++end;
        const char* span = SpanName(runClass);
        if (span != nullptr)
            page += std::string("<span class=\"") + span + "\">";
        AppendEscaped(page, text.substr(start, end - start));
        if (span != nullptr)
            page += "</span>";
        start = end;
    }

    page += "</pre>\n</body>\n</html>\n";
    return page;
}

FileIo::FileStatus ExportFile(std::string_view text, EColouring rules, const std::string& outPath,
                              const CEditorSettings& colours, std::string_view title)
{
    return FileIo::WriteFileReplacing(outPath, MakePage(text, CSyntaxColourer::FullPass(rules, text), colours, title));
}

}  // namespace HtmlExport
