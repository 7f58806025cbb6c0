#pragma once

#include "EditorSettings.h"
#include "SyntaxColourer.h"

#include "platform/FileIo.h"

#include <string>
#include <string_view>

// A coloured text written as a complete HTML page in a fixed form other programs can read:
// one <pre> holding the text, each maximal run of keyword, comment, string or tag bytes inside
// <span class="keyword">, <span class="comment">, <span class="string"> or <span class="tag">,
// normal text outside any span, only &, < and > escaped, and a style sheet giving each class its
// colour. Every other byte is written as it stands, line breaks, NULs and
// bytes that are not UTF-8 included. The page, line by line (colours as #rrggbb, lower case):
//
//   <!DOCTYPE html>
//   <html>
//   <head>
//   <meta charset="utf-8">
//   <title>TITLE, escaped</title>
//   <style>
//   pre { color: NORMAL; }
//   .keyword { color: KEYWORD; }
//   .comment { color: COMMENT; }
//   .string { color: STRING; }
//   .tag { color: TAG; }
//   </style>
//   </head>
//   <body>
//   <pre>TEXT</pre>
//   </body>
//   </html>
//
// and a final line feed. An HTML reader drops one line feed right after <pre>, so a text that
// begins with a line break gets one there, and the text read back is the text written.
namespace HtmlExport {

// The page for text with one colour class per byte.
std::string MakePage(std::string_view text, std::string_view classes, const CEditorSettings& colours,
                     std::string_view title);

// Colours the file's bytes by the whole-text pass of the given rules and writes the page to
// outPath through a temporary file, so a failed write leaves nothing half-written there.
FileIo::FileStatus ExportFile(std::string_view text, EColouring rules, const std::string& outPath,
                              const CEditorSettings& colours, std::string_view title);

}  // namespace HtmlExport
