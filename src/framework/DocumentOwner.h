#pragma once

#include <string>

class CDocument;

// Who keeps a document alive: it hears when the document closes, and then destroys it, and
// when a save gives the document a new path name.
class CDocumentOwner {
public:
    virtual ~CDocumentOwner() = default;
    // The document's windows go and the document is destroyed; nothing may touch it afterwards.
    virtual void OnDocumentClosed(CDocument& doc) = 0;
    virtual void OnDocumentSavedAs(CDocument& doc, const std::string& path) = 0;
};
