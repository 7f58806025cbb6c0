#pragma once

#include "editor/TextModel.h"

#include <QObject>

class QsciScintilla;

// The text model of one QScintilla editor. The colour classes are the editor's styles:
// normal 0, keyword 1, comment 2, string 3, tag 4.
class CScintillaTextModel : public QObject, public CTextModel {
    Q_OBJECT
public:
    enum EStyle { kNormalStyle = 0, kKeywordStyle, kCommentStyle, kStringStyle, kTagStyle };

    explicit CScintillaTextModel(QsciScintilla& editor);

    TextPos GetLength() const override;
    std::string_view GetBytes(TextPos nStart, TextPos nEnd) const override;
    int GetLineCount() const override;
    int LineFromPosition(TextPos nPos) const override;
    TextPos LineStart(int nLine) const override;
    TextPos LineEnd(int nLine) const override;
    CTextRange GetSelection() const override;
    void SetSelection(TextPos nStart, TextPos nEnd) override;
    void Replace(TextPos nStart, TextPos nEnd, std::string_view bytes) override;
    std::string GetClasses(TextPos nStart, TextPos nEnd) const override;
    void SetClasses(TextPos nStart, std::string_view classes) override;

private:
    TextPos Clamp(TextPos nPos) const;

    QsciScintilla& m_editor;
};
