#pragma once

#include <cstddef>
#include <optional>

class CTextDocument;

// A window of a text document hears through this that the marks of its lines changed.
class CLineMarkerObserver {
public:
    virtual ~CLineMarkerObserver() = default;
    virtual void OnLineMarkersChanged(CTextDocument& doc) = 0;
    // The line the document's marked line nIndex (in GetMarkedLines' order) is on now, after the
    // edits since the marks were set; -1 when the edits took it away. Only the window that
    // holds the text knows it.
    virtual std::optional<int> LineOfMarkNow(const CTextDocument& /*doc*/, std::size_t /*nIndex*/) const
    {
        return std::nullopt;
    }
};
