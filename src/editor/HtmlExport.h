#pragma once

#include "EditorSettings.h"

#include "platform/FileIo.h"

#include <string>
#include <string_view>

// A coloured text written as a complete HTML page in a fixed form other programs can read:
// one <pre> holding the text, each maximal run of keyword, comment or string bytes inside
// <span class="keyword">, <span class="comment"> or <span class="string">, normal text
// outside any span, only &, < and > escaped, and a style sheet giving each class its colour.
namespace HtmlExport {

// The page for text with one colour class per byte.
std::string MakePage(std::string_view text, std::string_view classes, const CEditorSettings& colours,
                     std::string_view title);

// Colours the file's bytes by the Java window's full pass and writes the page to outPath
// through a temporary file, so a failed write leaves nothing half-written there.
FileIo::FileStatus ExportJavaFile(std::string_view text, const std::string& outPath, const CEditorSettings& colours,
                                  std::string_view title);

}  // namespace HtmlExport
