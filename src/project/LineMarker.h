#pragma once

#include <string>

// What a compiler message marks in a source file: its line, whether it is an error or a
// warning, and its text, which the window shows over the mark.
enum class EMarkerKind { Error, Warning };

struct CLineMarker {
    int nLine = 0;  // 0-based, as the source windows count lines
    EMarkerKind kind = EMarkerKind::Error;
    std::string strMessage;

    bool operator==(const CLineMarker&) const = default;
};
