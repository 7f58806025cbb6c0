#pragma once

#include <Qsci/qsciprinter.h>

#include <QString>

class QsciScintillaBase;
class QWidget;

// Prints an editor's text with its styles' fonts and colours, half an inch of margin on each
// side, and a heading on every page: the file's name on the left, the page number on the right.
class CTextPrinter : public QsciPrinter {
public:
    CTextPrinter();

    // The printer chosen and set up by the person, kept for the whole session.
    static CTextPrinter& Shared();

    void SetHeading(const QString& strFileName) { m_strFileName = strFileName; }
    // Prints the whole text on this printer, or into painter (a preview's); false when the
    // printer could not be opened.
    bool Print(QsciScintillaBase& editor);
    bool Print(QsciScintillaBase& editor, QPainter& painter);
    int PagesPrinted() const { return m_nPages; }

    // Prints to a PDF file, with no printer and no dialog.
    static bool PrintToPdf(QsciScintillaBase& editor, const QString& strFileName, const QString& strPdfPath);

    // The print, preview and page setup dialogs over the shared printer.
    static void PrintWithDialog(QsciScintillaBase& editor, const QString& strFileName, QWidget* parent);
    static void Preview(QsciScintillaBase& editor, const QString& strFileName, QWidget* parent);
    static void PageSetup(QWidget* parent);

    void formatPage(QPainter& painter, bool bDrawing, QRect& area, int nPage) override;

private:
    QString m_strFileName;
    int m_nPages = 0;
};
