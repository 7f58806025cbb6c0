#include "TextPrinter.h"

#include <Qsci/qsciscintillabase.h>

#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace {

// 720 twips.
constexpr double kMarginInches = 0.5;

}  // namespace

CTextPrinter::CTextPrinter() : QsciPrinter(QPrinter::HighResolution)
{
    setPageMargins(QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches), QPageLayout::Inch);
}

CTextPrinter& CTextPrinter::Shared()
{
    // Made on first use, once the application object exists, and kept to the end.
    static auto* printer = new CTextPrinter;
    return *printer;
}

bool CTextPrinter::Print(QsciScintillaBase& editor)
{
    QPainter painter;
    if (!painter.begin(this))
        return false;
    return Print(editor, painter);
}

bool CTextPrinter::Print(QsciScintillaBase& editor, QPainter& painter)
{
    m_nPages = 0;
    // The page shows the text as the window colours it, on the page's own white.
    editor.SendScintilla(QsciScintillaBase::SCI_SETPRINTCOLOURMODE, QsciScintillaBase::SC_PRINT_COLOURONWHITE);
    return printRange(&editor, painter) != 0;
}

void CTextPrinter::formatPage(QPainter& painter, bool bDrawing, QRect& area, int nPage)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(9);
    painter.save();
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int nHeight = metrics.height();
    if (bDrawing) {
        ++m_nPages;
        painter.setPen(Qt::black);
        const QRect heading(area.left(), area.top(), area.width(), nHeight);
        const QString strPage = QStringLiteral("Page %1").arg(nPage);
        painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(m_strFileName, Qt::ElideMiddle,
                                            area.width() - metrics.horizontalAdvance(strPage) - nHeight));
        painter.drawText(heading, Qt::AlignRight | Qt::AlignVCenter, strPage);
        const int nRule = area.top() + nHeight + nHeight / 4;
        painter.drawLine(area.left(), nRule, area.right(), nRule);
    }
    painter.restore();
    area.setTop(area.top() + nHeight + nHeight / 2);
}

bool CTextPrinter::PrintToPdf(QsciScintillaBase& editor, const QString& strFileName, const QString& strPdfPath)
{
    CTextPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(strPdfPath);
    printer.setDocName(strFileName);
    printer.SetHeading(strFileName);
    return printer.Print(editor);
}

void CTextPrinter::PrintWithDialog(QsciScintillaBase& editor, const QString& strFileName, QWidget* parent)
{
    CTextPrinter& printer = Shared();
    printer.setDocName(strFileName);
    printer.SetHeading(strFileName);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        printer.Print(editor);
}

void CTextPrinter::Preview(QsciScintillaBase& editor, const QString& strFileName, QWidget* parent)
{
    CTextPrinter& printer = Shared();
    printer.setDocName(strFileName);
    printer.SetHeading(strFileName);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        QPainter painter;
        if (painter.begin(target))
            printer.Print(editor, painter);
    });
    dialog.exec();
}

void CTextPrinter::PageSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&Shared(), parent);
    dialog.exec();
}
