#pragma once

#include "project/LineMarker.h"

#include <QObject>

#include <vector>

class QsciScintilla;
class QPoint;
class QString;
class QWidget;

// The margins at the left of a source editor and the marks a compile leaves in the text: a
// margin of symbols (the debugger's breakpoint and current-line arrow, a compile's error and
// warning) and one of line numbers, sized to the number of lines in the editor's font. A marked
// line's text is underlined, and the message shows as the tooltip over either. Marks and
// underlines belong to the text, so every window on it shows them and they move with edits.
// A Java window takes clicks in the symbol margin to set breakpoints.
class CSourceMargins : public QObject {
    Q_OBJECT
public:
    // The editor's marker numbers; the first two are kept for the debugger.
    static constexpr int kBreakpointMarker = 0;
    static constexpr int kCurrentLineMarker = 1;
    static constexpr int kErrorMarker = 2;
    static constexpr int kWarningMarker = 3;
    // The pale ground of the current line's text, beside its arrow.
    static constexpr int kCurrentLineTint = 4;
    // The margins, left to right.
    static constexpr int kSymbolMargin = 0;
    static constexpr int kNumberMargin = 1;

    CSourceMargins(QsciScintilla& editor, bool bLineNumbers);

    // Sets the margins' looks from the editor's font, once it is set.
    void ApplyFont();
    // The number margin takes the width the largest line number needs.
    void FitLineNumbers();

    // The marked lines of the text, one marker per line, whose messages the tooltips show:
    // every window on the text keeps them; the underlines carry an index into them.
    void SetMarkedLines(std::vector<CLineMarker> lines) { m_lines = std::move(lines); }
    // Replaces every mark in the text with those of the marked lines.
    void Place();
    // The marks as the text now holds them, with their messages.
    std::vector<CLineMarker> Placed() const;
    // The line marked line nIndex (as SetMarkedLines gave it) is on now; -1 when its line went
    // or it was not placed here.
    int LineOfMark(std::size_t nIndex) const;
    // The message over a point of the editor's viewport, margins or text; empty for none.
    QString MessageAt(const QPoint& pos) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kErrorUnderline = 8;  // the first indicator a container may use
    static constexpr int kWarningUnderline = 9;

    long Send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    // The message of the marked line nLine, found through its underline; empty for none.
    QString LineMessage(int nLine) const;
    QString MessageOfValue(long nValue) const;

    QsciScintilla& m_editor;
    QWidget* m_pViewport;
    bool m_bLineNumbers;
    int m_nNumberDigits = 0;
    bool m_bFitPending = false;
    std::vector<CLineMarker> m_lines;
    // The editor's handle of each marked line's mark, as Place put them.
    std::vector<long> m_handles;
};
