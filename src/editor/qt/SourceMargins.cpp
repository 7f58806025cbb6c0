#include "SourceMargins.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QToolTip>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

constexpr int kCompileMarkers = 1 << CSourceMargins::kErrorMarker | 1 << CSourceMargins::kWarningMarker;
constexpr int kSymbolMarkers = 1 << CSourceMargins::kBreakpointMarker | 1 << CSourceMargins::kCurrentLineMarker |
                               kCompileMarkers;
// Colours as the editor takes them, 0x00BBGGRR.
constexpr long kErrorColour = 0x002020D0;
constexpr long kWarningColour = 0x0000A0E0;
constexpr long kCurrentLineColour = 0x00B0F8FF;

long ToEditorColour(const QColor& colour)
{
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

// A breakpoint: a red disc, darker at its edge.
QImage BreakpointImage(int nSize)
{
    QImage image(nSize, nSize, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0x10, 0x10), 1));
    painter.setBrush(QColor(0xE0, 0x20, 0x20));
    painter.drawEllipse(QRectF(1, 1, nSize - 2, nSize - 2));
    return image;
}

// The line a stopped program is on: a yellow arrow pointing at the text, outlined and a little
// smaller than the line, so that a breakpoint's disc shows round it.
QImage CurrentLineImage(int nSize)
{
    QImage image(nSize, nSize, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = nSize;
    const qreal top = s * 0.15;
    const qreal bottom = s * 0.85;
    QPainterPath arrow;
    arrow.moveTo(s * 0.12, s * 0.37);
    arrow.lineTo(s * 0.5, s * 0.37);
    arrow.lineTo(s * 0.5, top);
    arrow.lineTo(s * 0.9, s / 2);
    arrow.lineTo(s * 0.5, bottom);
    arrow.lineTo(s * 0.5, s * 0.63);
    arrow.lineTo(s * 0.12, s * 0.63);
    arrow.closeSubpath();
    painter.fillPath(arrow, QColor(0xF8, 0xD8, 0x20));
    painter.setPen(QPen(QColor(0x60, 0x50, 0x00), 1));
    painter.drawPath(arrow);
    return image;
}

// A red disc with a white cross for an error, an amber triangle with a mark for a warning.
QImage MarkerImage(EMarkerKind kind, int nSize)
{
    QImage image(nSize, nSize, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = nSize;
    if (kind == EMarkerKind::Error) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xD0, 0x20, 0x20));
        painter.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
        painter.setPen(QPen(Qt::white, std::max(1.5, s / 8)));
        painter.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        painter.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
    } else {
        QPainterPath triangle;
        triangle.moveTo(s / 2, 0.5);
        triangle.lineTo(s - 0.5, s - 0.5);
        triangle.lineTo(0.5, s - 0.5);
        triangle.closeSubpath();
        painter.fillPath(triangle, QColor(0xE0, 0xA0, 0x00));
        painter.setPen(QPen(Qt::black, std::max(1.5, s / 9)));
        painter.drawLine(QPointF(s / 2, s * 0.35), QPointF(s / 2, s * 0.66));
        painter.drawPoint(QPointF(s / 2, s * 0.82));
    }
    return image;
}

}  // namespace

CSourceMargins::CSourceMargins(QsciScintilla& editor, bool bLineNumbers)
    : QObject(&editor), m_editor(editor), m_pViewport(editor.viewport()), m_bLineNumbers(bLineNumbers)
{
    for (int nMargin = 0; nMargin < 5; ++nMargin)
        Send(Sci::SCI_SETMARGINWIDTHN, static_cast<unsigned long>(nMargin), 0);
    Send(Sci::SCI_SETMARGINTYPEN, kSymbolMargin, Sci::SC_MARGIN_SYMBOL);
    Send(Sci::SCI_SETMARGINMASKN, kSymbolMargin, kSymbolMarkers);
    Send(Sci::SCI_MARKERDEFINE, kCurrentLineTint, Sci::SC_MARK_BACKGROUND);
    Send(Sci::SCI_MARKERSETBACK, kCurrentLineTint, kCurrentLineColour);
    Send(Sci::SCI_SETMARGINTYPEN, kNumberMargin, Sci::SC_MARGIN_NUMBER);
    Send(Sci::SCI_SETMARGINMASKN, kNumberMargin, 0);
    // A little room between the numbers and the text.
    Send(Sci::SCI_SETMARGINLEFT, 0, 4);
    for (const auto& [nIndicator, nColour] : {std::pair{kErrorUnderline, kErrorColour}, {kWarningUnderline, kWarningColour}}) {
        Send(Sci::SCI_INDICSETSTYLE, static_cast<unsigned long>(nIndicator), Sci::INDIC_SQUIGGLEPIXMAP);
        Send(Sci::SCI_INDICSETFORE, static_cast<unsigned long>(nIndicator), nColour);
    }
    m_pViewport->installEventFilter(this);

    // A change of the number of lines may want another digit; the width follows once the
    // editor has painted the change, at most once however many it reports.
    connect(&m_editor, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int nUpdated) {
        if ((nUpdated & Sci::SC_UPDATE_CONTENT) == 0 || !m_bLineNumbers || m_bFitPending)
            return;
        m_bFitPending = true;
        QMetaObject::invokeMethod(this, [this] {
            m_bFitPending = false;
            FitLineNumbers();
        }, Qt::QueuedConnection);
    });
}

long CSourceMargins::Send(unsigned int message, unsigned long wParam, long lParam) const
{
    return m_editor.SendScintilla(message, wParam, lParam);
}

void CSourceMargins::ApplyFont()
{
    const QPalette palette = QApplication::palette();
    Send(Sci::SCI_STYLESETBACK, Sci::STYLE_LINENUMBER, ToEditorColour(palette.color(QPalette::Window)));
    Send(Sci::SCI_STYLESETFORE, Sci::STYLE_LINENUMBER,
         ToEditorColour(palette.color(QPalette::Disabled, QPalette::WindowText)));
    // The symbols fit the lines of the editor's font.
    const int nLineHeight = static_cast<int>(Send(Sci::SCI_TEXTHEIGHT, 0));
    const int nSize = std::clamp(nLineHeight - 2, 9, 16);
    m_editor.markerDefine(MarkerImage(EMarkerKind::Error, nSize), kErrorMarker);
    m_editor.markerDefine(MarkerImage(EMarkerKind::Warning, nSize), kWarningMarker);
    m_editor.markerDefine(BreakpointImage(nSize), kBreakpointMarker);
    m_editor.markerDefine(CurrentLineImage(nSize), kCurrentLineMarker);
    Send(Sci::SCI_SETMARGINWIDTHN, kSymbolMargin, nSize + 6);
    m_nNumberDigits = 0;
    FitLineNumbers();
}

void CSourceMargins::FitLineNumbers()
{
    if (!m_bLineNumbers)
        return;
    int nDigits = 1;
    for (long nLines = Send(Sci::SCI_GETLINECOUNT); nLines >= 10; nLines /= 10)
        ++nDigits;
    nDigits = std::max(nDigits, 2);
    if (nDigits == m_nNumberDigits)
        return;
    m_nNumberDigits = nDigits;
    const QByteArray widest(nDigits, '9');
    const long nWidth = m_editor.SendScintilla(Sci::SCI_TEXTWIDTH, Sci::STYLE_LINENUMBER, widest.constData());
    Send(Sci::SCI_SETMARGINWIDTHN, kNumberMargin, nWidth + 8);
}

void CSourceMargins::Place()
{
    Send(Sci::SCI_MARKERDELETEALL, kErrorMarker);
    Send(Sci::SCI_MARKERDELETEALL, kWarningMarker);
    const long nLength = Send(Sci::SCI_GETLENGTH);
    for (int nIndicator : {kErrorUnderline, kWarningUnderline}) {
        Send(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(nIndicator));
        Send(Sci::SCI_INDICATORCLEARRANGE, 0, nLength);
    }
    const long nLineCount = Send(Sci::SCI_GETLINECOUNT);
    m_handles.assign(m_lines.size(), -1);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const CLineMarker& marker = m_lines[i];
        const bool bError = marker.kind == EMarkerKind::Error;
        const auto nLine = static_cast<unsigned long>(std::clamp<long>(marker.nLine, 0, nLineCount - 1));
        m_handles[i] = Send(Sci::SCI_MARKERADD, nLine, bError ? kErrorMarker : kWarningMarker);
        // The line's text from its first character that is not blank; a blank line's blanks and
        // line break, so every marked line has something that carries its message.
        long nStart = Send(Sci::SCI_POSITIONFROMLINE, nLine);
        long nEnd = Send(Sci::SCI_GETLINEENDPOSITION, nLine);
        while (nStart < nEnd) {
            const long nChar = Send(Sci::SCI_GETCHARAT, static_cast<unsigned long>(nStart));
            if (nChar != ' ' && nChar != '\t')
                break;
            ++nStart;
        }
        if (nStart == nEnd) {
            nStart = Send(Sci::SCI_POSITIONFROMLINE, nLine);
            nEnd = Send(Sci::SCI_POSITIONFROMLINE, nLine + 1);
        }
        if (nEnd <= nStart)
            continue;
        Send(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(bError ? kErrorUnderline : kWarningUnderline));
        Send(Sci::SCI_SETINDICATORVALUE, static_cast<unsigned long>(i + 1));
        Send(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(nStart), nEnd - nStart);
    }
}

std::vector<CLineMarker> CSourceMargins::Placed() const
{
    std::vector<CLineMarker> placed;
    for (long nLine = Send(Sci::SCI_MARKERNEXT, 0, kCompileMarkers); nLine >= 0;
         nLine = Send(Sci::SCI_MARKERNEXT, static_cast<unsigned long>(nLine + 1), kCompileMarkers)) {
        const long nMask = Send(Sci::SCI_MARKERGET, static_cast<unsigned long>(nLine));
        const EMarkerKind kind = (nMask & 1 << kErrorMarker) != 0 ? EMarkerKind::Error : EMarkerKind::Warning;
        placed.push_back({static_cast<int>(nLine), kind, LineMessage(static_cast<int>(nLine)).toStdString()});
    }
    return placed;
}

int CSourceMargins::LineOfMark(std::size_t nIndex) const
{
    if (nIndex >= m_handles.size() || m_handles[nIndex] < 0)
        return -1;
    return static_cast<int>(Send(Sci::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(m_handles[nIndex])));
}

QString CSourceMargins::MessageOfValue(long nValue) const
{
    if (nValue <= 0 || static_cast<std::size_t>(nValue) > m_lines.size())
        return {};
    return QString::fromStdString(m_lines[static_cast<std::size_t>(nValue - 1)].strMessage);
}

QString CSourceMargins::LineMessage(int nLine) const
{
    const long nStart = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(nLine));
    const long nNext = nLine + 1 < Send(Sci::SCI_GETLINECOUNT)
                           ? Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(nLine + 1))
                           : Send(Sci::SCI_GETLENGTH);
    for (int nIndicator : {kErrorUnderline, kWarningUnderline}) {
        long nAt = nStart;
        // Past the blanks that start the line: the end of the unmarked run there.
        if (Send(Sci::SCI_INDICATORVALUEAT, static_cast<unsigned long>(nIndicator), nAt) == 0)
            nAt = Send(Sci::SCI_INDICATOREND, static_cast<unsigned long>(nIndicator), nAt);
        if (nAt < nNext) {
            const QString message =
                MessageOfValue(Send(Sci::SCI_INDICATORVALUEAT, static_cast<unsigned long>(nIndicator), nAt));
            if (!message.isEmpty())
                return message;
        }
    }
    return {};
}

QString CSourceMargins::MessageAt(const QPoint& pos) const
{
    long nMarginsWidth = 0;
    for (int nMargin = 0; nMargin < 5; ++nMargin)
        nMarginsWidth += Send(Sci::SCI_GETMARGINWIDTHN, static_cast<unsigned long>(nMargin));
    if (pos.x() >= nMarginsWidth) {
        const long nPos = Send(Sci::SCI_POSITIONFROMPOINTCLOSE, static_cast<unsigned long>(pos.x()), pos.y());
        if (nPos < 0)
            return {};
        for (int nIndicator : {kErrorUnderline, kWarningUnderline}) {
            const QString message =
                MessageOfValue(Send(Sci::SCI_INDICATORVALUEAT, static_cast<unsigned long>(nIndicator), nPos));
            if (!message.isEmpty())
                return message;
        }
        return {};
    }
    // The line beside the point, when the point is on it and not below the text.
    const long nPos = Send(Sci::SCI_POSITIONFROMPOINT, static_cast<unsigned long>(nMarginsWidth), pos.y());
    const long nLine = Send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(nPos));
    const long nTop = Send(Sci::SCI_POINTYFROMPOSITION, 0, Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(nLine)));
    const long nBottom = Send(Sci::SCI_POINTYFROMPOSITION, 0,
                              Send(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(nLine))) +
                         Send(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(nLine));
    if (pos.y() < nTop || pos.y() >= nBottom || (Send(Sci::SCI_MARKERGET, static_cast<unsigned long>(nLine)) & kCompileMarkers) == 0)
        return {};
    return LineMessage(static_cast<int>(nLine));
}

bool CSourceMargins::eventFilter(QObject* watched, QEvent* event)
{
    // The editor may be going when its viewport hears of it; only a tooltip asks anything of it.
    if (event->type() != QEvent::ToolTip || watched != m_pViewport)
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString message = MessageAt(help->pos());
    if (message.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), message, m_pViewport);
    return true;
}
