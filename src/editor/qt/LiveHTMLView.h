#pragma once

#include "TextEditView.h"

class CLiveEditorDoc;

// The view of an HTML page window.
class CLiveHTMLView : public CTextEditView {
    Q_OBJECT
public:
    explicit CLiveHTMLView(CLiveEditorDoc& doc, QWidget* parent = nullptr);
};
