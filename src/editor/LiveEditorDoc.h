#pragma once

#include "TextDocument.h"

// The document of an HTML page window.
class CLiveEditorDoc : public CTextDocument {
public:
    using CTextDocument::CTextDocument;
};
