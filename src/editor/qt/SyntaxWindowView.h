#pragma once

#include "TextEditView.h"

class CSyntaxWindowDoc;

// The view of a Java source window.
class CSyntaxWindowView : public CTextEditView {
    Q_OBJECT
public:
    explicit CSyntaxWindowView(CSyntaxWindowDoc& doc, QWidget* parent = nullptr);

private:
    // Compile: this window's file, through the open project.
    void OnCompile();
};
