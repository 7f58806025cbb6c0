#pragma once

#include "TextDocument.h"

// The document of a Java source window: one .java file.
class CSyntaxWindowDoc : public CTextDocument {
public:
    using CTextDocument::CTextDocument;
};
