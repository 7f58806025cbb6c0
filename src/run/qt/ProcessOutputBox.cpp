#include "ProcessOutputBox.h"

#include "run/OutputLines.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kMargin = 2;
constexpr std::size_t kKeptLayouts = 1024;
constexpr int kTabColumns = 8;

QString Decode(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The classes a double-click selects a run of: word characters, blanks, anything else.
int CharClass(QChar c)
{
    if (c.isLetterOrNumber() || c == QLatin1Char('_') || c.isMark())
        return 0;
    return c.isSpace() ? 1 : 2;
}

}  // namespace

CProcessOutputBox::CProcessOutputBox(const COutputLines& lines, QWidget* parent)
    : QAbstractScrollArea(parent), m_lines(lines)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    // Read-only text keeps the window's own colours, not the grey of a disabled box.
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    UpdateMetrics();
}

CProcessOutputBox::~CProcessOutputBox() = default;

QString CProcessOutputBox::ShowNuls(QString text) const
{
    return text.replace(QChar(u'\0'), m_chNul);
}

void CProcessOutputBox::UpdateMetrics()
{
    const QFontMetrics metrics(font());
    // The symbol for NUL where the font has it, else the empty-set sign.
    m_chNul = metrics.inFontUcs4(0x2400) ? QChar(0x2400) : QChar(0x2205);
    m_nLineHeight = std::max(1, metrics.lineSpacing());
    m_nCharWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('x')));
    m_layouts.clear();
    m_nWidestLaidOut = 0;
    UpdateScrollRanges();
    viewport()->update();
}

QString CProcessOutputBox::ShownText(std::size_t nLine) const
{
    std::string bytes = m_lines.LineHead(nLine, kMaxShownBytes);
    // Not half a character at the cut.
    if (m_lines.LineLength(nLine) > kMaxShownBytes)
        bytes.resize(bytes.size() - IncompleteUtf8Tail(bytes));
    return Decode(bytes);
}

QTextLayout& CProcessOutputBox::LayoutOf(std::size_t nLine) const
{
    if (const auto found = m_layouts.find(nLine); found != m_layouts.end())
        return *found->second;
    if (m_layouts.size() >= kKeptLayouts)
        m_layouts.clear();
    const QString text = ShownText(nLine);
    auto layout = std::make_unique<QTextLayout>(ShowNuls(text), font());
    // A NUL's symbol stands out from the same character written as text.
    QList<QTextLayout::FormatRange> nuls;
    for (qsizetype at = text.indexOf(QChar(u'\0')); at >= 0; at = text.indexOf(QChar(u'\0'), at + 1)) {
        QTextLayout::FormatRange range;
        range.start = static_cast<int>(at);
        range.length = 1;
        range.format.setBackground(palette().brush(QPalette::Midlight));
        nuls.append(range);
    }
    layout->setFormats(nuls);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kTabColumns * QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')));
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    if (line.isValid())
        line.setLineWidth(1e7);
    layout->endLayout();
    if (line.isValid())
        m_nWidestLaidOut = std::max(m_nWidestLaidOut, static_cast<int>(std::ceil(line.naturalTextWidth())));
    return *m_layouts.emplace(nLine, std::move(layout)).first->second;
}

int CProcessOutputBox::ColumnCount(std::size_t nLine) const
{
    return static_cast<int>(LayoutOf(nLine).text().size());
}

int CProcessOutputBox::VisibleLineCount() const
{
    return std::max(1, viewport()->height() / LineHeight());
}

int CProcessOutputBox::FirstVisibleLine() const
{
    return verticalScrollBar()->value();
}

void CProcessOutputBox::ForgetLayoutsFrom(std::size_t nLine)
{
    std::erase_if(m_layouts, [nLine](const auto& entry) { return entry.first >= nLine; });
}

void CProcessOutputBox::UpdateScrollRanges()
{
    const int nVisible = VisibleLineCount();
    const auto nLines = static_cast<long long>(m_lines.LineCount());
    verticalScrollBar()->setRange(0, static_cast<int>(std::clamp<long long>(nLines - nVisible, 0, INT_MAX)));
    verticalScrollBar()->setPageStep(nVisible);
    verticalScrollBar()->setSingleStep(1);
    // Estimated from the longest line, widened by what painting has measured.
    const auto nLongest = static_cast<long long>(std::min(m_lines.LongestLine(), kMaxShownBytes));
    const long long nWidth = std::max<long long>(nLongest * m_nCharWidth, m_nWidestLaidOut) + 2 * kMargin;
    const int nViewport = viewport()->width();
    horizontalScrollBar()->setRange(0, static_cast<int>(std::clamp<long long>(nWidth - nViewport, 0, INT_MAX)));
    horizontalScrollBar()->setPageStep(std::max(1, nViewport));
    horizontalScrollBar()->setSingleStep(m_nCharWidth);
}

void CProcessOutputBox::OnTextReplaced()
{
    m_layouts.clear();
    m_nLinesSeen = m_lines.LineCount();
    m_nDroppedSeen = m_lines.DroppedBytes();
    m_nWidestLaidOut = 0;
    m_caret = m_anchor = CPos();
    m_bSelecting = false;
    UpdateScrollRanges();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void CProcessOutputBox::OnTextAppended()
{
    // Only the line that was last can have changed; every line before it is as it was, unless
    // old lines were let go and every line moved up.
    if (m_lines.DroppedBytes() != m_nDroppedSeen) {
        m_layouts.clear();
        m_nDroppedSeen = m_lines.DroppedBytes();
    } else {
        ForgetLayoutsFrom(m_nLinesSeen - 1);
    }
    m_nLinesSeen = m_lines.LineCount();
    m_bSelecting = false;
    UpdateScrollRanges();
    m_caret = m_anchor = EndPos();
    EnsureCaretVisible();
    viewport()->update();
}

CProcessOutputBox::CPos CProcessOutputBox::EndPos() const
{
    const std::size_t nLast = m_lines.LineCount() - 1;
    return {nLast, ColumnCount(nLast)};
}

CProcessOutputBox::CPos CProcessOutputBox::PosAt(const QPoint& ptViewport) const
{
    const auto nRow = static_cast<long long>(std::floor(double(ptViewport.y()) / LineHeight()));
    const long long nLine =
        std::clamp<long long>(FirstVisibleLine() + nRow, 0, static_cast<long long>(m_lines.LineCount()) - 1);
    const QTextLayout& layout = LayoutOf(static_cast<std::size_t>(nLine));
    const double x = ptViewport.x() + horizontalScrollBar()->value() - kMargin;
    const int nColumn = layout.lineCount() > 0 ? layout.lineAt(0).xToCursor(x) : 0;
    return {static_cast<std::size_t>(nLine), std::clamp(nColumn, 0, static_cast<int>(layout.text().size()))};
}

void CProcessOutputBox::MoveCaret(const CPos& pos, bool bExtend)
{
    m_caret = pos;
    if (!bExtend)
        m_anchor = pos;
    EnsureCaretVisible();
    viewport()->update();
}

void CProcessOutputBox::EnsureCaretVisible()
{
    const auto nLine = static_cast<long long>(m_caret.nLine);
    const int nFirst = FirstVisibleLine();
    const int nVisible = VisibleLineCount();
    if (nLine < nFirst)
        verticalScrollBar()->setValue(static_cast<int>(nLine));
    else if (nLine >= nFirst + nVisible)
        verticalScrollBar()->setValue(static_cast<int>(std::min<long long>(nLine - nVisible + 1, INT_MAX)));

    const QTextLayout& layout = LayoutOf(m_caret.nLine);
    const int x = layout.lineCount() > 0 ? static_cast<int>(layout.lineAt(0).cursorToX(m_caret.nColumn)) : 0;
    const int nLeft = horizontalScrollBar()->value();
    const int nWidth = viewport()->width() - 2 * kMargin;
    if (x < nLeft)
        horizontalScrollBar()->setValue(x);
    else if (x > nLeft + nWidth)
        horizontalScrollBar()->setValue(x - nWidth + m_nCharWidth);
}

void CProcessOutputBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void CProcessOutputBox::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateMetrics();
}

void CProcessOutputBox::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const CPos selStart = std::min(m_caret, m_anchor);
    const CPos selEnd = std::max(m_caret, m_anchor);
    const int nLeft = horizontalScrollBar()->value();
    const int nWidest = m_nWidestLaidOut;
    const auto nFirst = static_cast<std::size_t>(FirstVisibleLine());
    const std::size_t nEnd = std::min(m_lines.LineCount(), nFirst + static_cast<std::size_t>(VisibleLineCount()) + 1);
    for (std::size_t nLine = nFirst; nLine < nEnd; ++nLine) {
        QTextLayout& layout = LayoutOf(nLine);
        const QPointF origin(kMargin - nLeft, double(nLine - nFirst) * LineHeight());
        QList<QTextLayout::FormatRange> selection;
        if (selStart != selEnd && selStart.nLine <= nLine && nLine <= selEnd.nLine) {
            const int nFrom = nLine == selStart.nLine ? selStart.nColumn : 0;
            const int nTo = nLine == selEnd.nLine ? selEnd.nColumn : static_cast<int>(layout.text().size());
            QTextLayout::FormatRange range;
            range.start = nFrom;
            range.length = nTo - nFrom;
            range.format.setBackground(palette().brush(QPalette::Highlight));
            range.format.setForeground(palette().brush(QPalette::HighlightedText));
            selection.append(range);
            // A selected line end shows as a little of the highlight after the text.
            if (nLine < selEnd.nLine && layout.lineCount() > 0) {
                const double x = origin.x() + layout.lineAt(0).naturalTextWidth();
                painter.fillRect(QRectF(x, origin.y(), m_nCharWidth / 2.0, LineHeight()), palette().brush(QPalette::Highlight));
            }
        }
        layout.draw(&painter, origin, selection);
        if (nLine == m_caret.nLine && hasFocus())
            layout.drawCursor(&painter, origin, m_caret.nColumn, 1);
    }
    // A line wider than the estimate widens the scroll range once painting is over.
    if (m_nWidestLaidOut > nWidest)
        QMetaObject::invokeMethod(this, [this] { UpdateScrollRanges(); }, Qt::QueuedConnection);
}

void CProcessOutputBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    const bool bExtend = (event->modifiers() & Qt::ShiftModifier) != 0;
    const bool bControl = (event->modifiers() & Qt::ControlModifier) != 0;
    const std::size_t nLast = m_lines.LineCount() - 1;
    CPos pos = m_caret;
    switch (event->key()) {
    case Qt::Key_Left:
        if (pos.nColumn > 0)
            pos.nColumn = LayoutOf(pos.nLine).previousCursorPosition(pos.nColumn);
        else if (pos.nLine > 0)
            pos = {pos.nLine - 1, ColumnCount(pos.nLine - 1)};
        break;
    case Qt::Key_Right:
        if (pos.nColumn < ColumnCount(pos.nLine))
            pos.nColumn = LayoutOf(pos.nLine).nextCursorPosition(pos.nColumn);
        else if (pos.nLine < nLast)
            pos = {pos.nLine + 1, 0};
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const auto nStep = static_cast<std::size_t>(
            event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ? 1 : VisibleLineCount());
        const bool bUp = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
        pos.nLine = bUp ? pos.nLine - std::min(pos.nLine, nStep) : std::min(nLast, pos.nLine + nStep);
        pos.nColumn = std::min(pos.nColumn, ColumnCount(pos.nLine));
        break;
    }
    case Qt::Key_Home:
        pos = bControl ? CPos() : CPos {pos.nLine, 0};
        break;
    case Qt::Key_End:
        pos = bControl ? EndPos() : CPos {pos.nLine, ColumnCount(pos.nLine)};
        break;
    default:
        // Escape, Tab and the rest belong to the window around the box.
        event->ignore();
        return;
    }
    MoveCaret(pos, bExtend);
}

void CProcessOutputBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    MoveCaret(PosAt(event->position().toPoint()), (event->modifiers() & Qt::ShiftModifier) != 0);
    m_bSelecting = true;
}

void CProcessOutputBox::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bSelecting && (event->buttons() & Qt::LeftButton) != 0)
        MoveCaret(PosAt(event->position().toPoint()), true);
}

void CProcessOutputBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_bSelecting = false;
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CProcessOutputBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    // The word first, as any text box selects it; then the line is reported.
    const CPos at = PosAt(event->position().toPoint());
    const QString text = LayoutOf(at.nLine).text();
    int nStart = at.nColumn;
    int nEnd = at.nColumn;
    if (!text.isEmpty()) {
        const int nOn = std::min(at.nColumn, static_cast<int>(text.size()) - 1);
        const int nClass = CharClass(text[nOn]);
        nStart = nOn;
        nEnd = nOn + 1;
        while (nStart > 0 && CharClass(text[nStart - 1]) == nClass)
            --nStart;
        while (nEnd < text.size() && CharClass(text[nEnd]) == nClass)
            ++nEnd;
    }
    m_anchor = {at.nLine, nStart};
    MoveCaret({at.nLine, nEnd}, true);
    m_bSelecting = false;
    emit lineDoubleClicked(CaretLine());
}

void CProcessOutputBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("&Copy"), this, [this] { Copy(); });
    copy->setEnabled(HasSelection());
    menu.addAction(tr("Select &All"), this, [this] { SelectAll(); });
    menu.exec(event->globalPos());
}

void CProcessOutputBox::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CProcessOutputBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CProcessOutputBox::SelectAll()
{
    m_anchor = CPos();
    m_caret = EndPos();
    viewport()->update();
}

QString CProcessOutputBox::SelectedText() const
{
    const CPos from = std::min(m_caret, m_anchor);
    const CPos to = std::max(m_caret, m_anchor);
    QString text;
    for (std::size_t nLine = from.nLine; nLine <= to.nLine; ++nLine) {
        const bool bFirst = nLine == from.nLine;
        const bool bLast = nLine == to.nLine;
        if ((bFirst && from.nColumn > 0) || bLast) {
            const QString shown = LayoutOf(nLine).text();
            const int nFrom = bFirst ? from.nColumn : 0;
            const int nTo = bLast ? to.nColumn : static_cast<int>(shown.size());
            text += shown.mid(nFrom, nTo - nFrom);
        } else {
            // A whole line goes as it is, also past what a long line shows.
            text += Decode(m_lines.LineText(nLine));
        }
        if (!bLast)
            text += QLatin1Char('\n');
    }
    return text;
}

void CProcessOutputBox::Copy() const
{
    if (HasSelection())
        QGuiApplication::clipboard()->setText(SelectedText());
}

QString CProcessOutputBox::ToPlainText() const
{
    QString text;
    for (std::size_t nLine = 0; nLine < m_lines.LineCount(); ++nLine) {
        if (nLine > 0)
            text += QLatin1Char('\n');
        text += ShowNuls(Decode(m_lines.LineText(nLine)));
    }
    return text;
}
