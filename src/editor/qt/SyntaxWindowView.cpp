#include "SyntaxWindowView.h"

#include "editor/SyntaxWindowDoc.h"

CSyntaxWindowView::CSyntaxWindowView(CSyntaxWindowDoc& doc, QWidget* parent) : CTextEditView(doc, parent) {}
