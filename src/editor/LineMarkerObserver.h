#pragma once

class CTextDocument;

// A window of a text document hears through this that the marks of its lines changed.
class CLineMarkerObserver {
public:
    virtual ~CLineMarkerObserver() = default;
    virtual void OnLineMarkersChanged(CTextDocument& doc) = 0;
};
