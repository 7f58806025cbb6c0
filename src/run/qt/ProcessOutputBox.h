#pragma once

#include <QAbstractScrollArea>

#include <cstddef>
#include <memory>
#include <unordered_map>

class COutputLines;
class QTextLayout;

// The Process Window's output box: a read-only view of the output lines, painted in the
// system's window colours, with both scroll bars, a caret, selection by mouse and keys, and
// copying. Only the lines in sight are laid out, so neither adding text nor painting costs more
// when the box already holds a long output; a line is laid out up to kMaxShownBytes of it. A NUL
// the tool wrote shows as a marked symbol, and the rest of its line stays in sight.
class CProcessOutputBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr std::size_t kMaxShownBytes = 64 * 1024;

    explicit CProcessOutputBox(const COutputLines& lines, QWidget* parent = nullptr);
    ~CProcessOutputBox() override;

    // The text was replaced: the caret goes to its start.
    void OnTextReplaced();
    // Text was added at the end: the caret goes after it and is scrolled into view.
    void OnTextAppended();

    // The lines as shown, each ended by a line feed but the last.
    QString ToPlainText() const;
    QString SelectedText() const;
    bool HasSelection() const { return m_caret != m_anchor; }
    int CaretLine() const { return static_cast<int>(m_caret.nLine); }
    int FirstVisibleLine() const;
    // What a NUL of the output shows as: the symbol for NUL where the font has one.
    QChar NulSymbol() const { return m_chNul; }
    void SelectAll();
    void Copy() const;

signals:
    // After the double-click has selected its word: the caret's line, 0-based.
    void lineDoubleClicked(int nLine);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // A place in the text: a line and a character position in that line as shown.
    struct CPos {
        std::size_t nLine = 0;
        int nColumn = 0;
        auto operator<=>(const CPos&) const = default;
    };

    QTextLayout& LayoutOf(std::size_t nLine) const;
    // The line's text as the box lays it out, NULs still in it.
    QString ShownText(std::size_t nLine) const;
    QString ShowNuls(QString text) const;
    int ColumnCount(std::size_t nLine) const;
    int VisibleLineCount() const;
    int LineHeight() const { return m_nLineHeight; }
    CPos PosAt(const QPoint& ptViewport) const;
    CPos EndPos() const;
    void MoveCaret(const CPos& pos, bool bExtend);
    void EnsureCaretVisible();
    void UpdateScrollRanges();
    void UpdateMetrics();
    void ForgetLayoutsFrom(std::size_t nLine);

    const COutputLines& m_lines;
    CPos m_caret;
    CPos m_anchor;
    bool m_bSelecting = false;
    std::size_t m_nLinesSeen = 1;
    std::size_t m_nDroppedSeen = 0;
    int m_nLineHeight = 1;
    int m_nCharWidth = 1;
    QChar m_chNul {0x2400};
    mutable int m_nWidestLaidOut = 0;
    // Layouts of the lines painted lately; a changed line is laid out again.
    mutable std::unordered_map<std::size_t, std::unique_ptr<QTextLayout>> m_layouts;
};
