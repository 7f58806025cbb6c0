#pragma once

class CDocument;

// A view of a document hears of its changes through this.
class CDocumentObserver {
public:
    virtual ~CDocumentObserver() = default;
    virtual void OnDocumentUpdate(CDocument& doc) = 0;
    virtual void OnDocumentTitleChanged(CDocument&) {}
    virtual void OnDocumentModifiedChanged(CDocument&) {}
    // The document was written to its file, or read from it again: what is shown is now what
    // the file holds.
    virtual void OnDocumentSaved(CDocument&) {}
    // The content is changing: typed, pasted, replaced. Told for every change, so it must be quick.
    virtual void OnDocumentChanged(CDocument&) {}
};
