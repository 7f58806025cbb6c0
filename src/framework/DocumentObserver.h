#pragma once

class CDocument;

// A view of a document hears of its changes through this.
class CDocumentObserver {
public:
    virtual ~CDocumentObserver() = default;
    virtual void OnDocumentUpdate(CDocument& doc) = 0;
    virtual void OnDocumentTitleChanged(CDocument&) {}
    virtual void OnDocumentModifiedChanged(CDocument&) {}
    // The document was written to its file: what is shown is now the saved state.
    virtual void OnDocumentSaved(CDocument&) {}
};
