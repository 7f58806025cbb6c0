#include "LiveHTMLView.h"

#include "editor/LiveEditorDoc.h"

CLiveHTMLView::CLiveHTMLView(CLiveEditorDoc& doc, QWidget* parent) : CTextEditView(doc, parent) {}
