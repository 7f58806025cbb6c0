#pragma once

class CDocument;

// Hears of documents coming and going in the document manager.
class CDocumentListObserver {
public:
    virtual ~CDocumentListObserver() = default;
    // The document shows in its first window.
    virtual void OnDocumentOpened(CDocument& doc) = 0;
    // The document is closing; it is destroyed right after.
    virtual void OnDocumentClosing(CDocument& doc) = 0;
};
