#include "LiveEditorView.h"

#include "ScintillaTextModel.h"
#include "SourceKeyFilter.h"
#include "SourceMargins.h"

#include "editor/ColourClass.h"
#include "editor/SourceEditing.h"
#include "editor/SourceNavigation.h"
#include "editor/TextDocument.h"
#include "framework/CommandIds.h"
#include "framework/WaitCursor.h"

#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

}  // namespace

CLiveEditorView::CLiveEditorView(CTextDocument& doc, const CEditorSettings& settings, CDesktopShell& shell,
                                 EColouring rules, QWidget* parent)
    : CTextEditView(doc, parent), m_settings(settings), m_shell(shell), m_colourer(GetTextModel(), rules),
      m_pMargins(new CSourceMargins(*GetEditor(), settings.nLineNumbers != 0))
{
    ApplySettings();
    OnCommand(Cmd::ID_VIEW_SYNTAXCOLOUR, [this] { OnSyntaxColourUpdate(); });
    OnCommand(Cmd::ID_FILE_EXPORTHTML, [this] {
        if (CTextDocument* text = GetTextDocument())
            text->ExportAsHtml(m_settings);
    });
    new CSourceKeyFilter(*GetEditor(), GetTextModel(), [this] { return TabUnit(); });
    OnCommand(Cmd::ID_EDIT_INDENT, [this] { SourceEditing::IncreaseIndent(GetTextModel(), TabUnit()); });
    OnCommand(Cmd::ID_EDIT_OUTDENT, [this] { SourceEditing::DecreaseIndent(GetTextModel()); });
    OnCommand(Cmd::ID_EDIT_CONVERTLINEBREAKS, [this] {
        OnConvert([](CTextModel& text, int) { SourceEditing::ConvertLinebreaks(text); });
        // Enter goes on as the converted text ends its lines, or the file mixes them again.
        GetEditor()->setEolMode(QsciScintilla::EolWindows);
    });

    // The lines a change of the user's touched are coloured once it is complete, however many
    // pieces the editor reports it in: the caret's line after typing, every line of a paste,
    // a Replace All or an Undo, which bring text without its colours.
    constexpr int kByUser = Sci::SC_PERFORMED_USER | Sci::SC_PERFORMED_UNDO | Sci::SC_PERFORMED_REDO;
    connect(GetEditor(), &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int nPos, int nType, const char*, int nLength, int, int, int, int, int, int) {
                if ((nType & CScintillaTextModel::kChangeEvents) == 0 || (nType & kByUser) == 0)
                    return;
                m_changed.Note(nPos, nLength, (nType & Sci::SC_MOD_BEFOREINSERT) != 0);
                if (m_bLinePassPending)
                    return;
                m_bLinePassPending = true;
                QMetaObject::invokeMethod(this, [this] {
                    m_bLinePassPending = false;
                    ColourChangedLines();
                }, Qt::QueuedConnection);
            });
}

void CLiveEditorView::CChangedRange::Note(TextPos nPos, TextPos nLength, bool bInsert)
{
    if (!bSet) {
        nFrom = nTo = nPos;
        bSet = true;
    }
    // Text changed before the range's end moves its end.
    if (bInsert) {
        if (nPos <= nTo)
            nTo += nLength;
        nTo = std::max(nTo, nPos + nLength);
    } else if (nPos < nTo) {
        nTo -= std::min(nLength, nTo - nPos);
    }
    nFrom = std::min(nFrom, nPos);
    nTo = std::max(nTo, nFrom);
}

void CLiveEditorView::ColourChangedLines()
{
    // A whole-text pass since the change has coloured it already, by the rules for the whole
    // text, which the line rules would undo where they differ (a tag over several lines).
    if (!m_changed.bSet)
        return;
    CTextModel& text = GetTextModel();
    const int nFirst = text.LineFromPosition(m_changed.nFrom);
    const int nLast = text.LineFromPosition(m_changed.nTo);
    m_changed = {};
    // Over many lines the whole-text pass is the quicker one, and gives back the colours such
    // a change (a conversion, an indent of a block) had before.
    constexpr int kMostLines = 1000;
    if (nLast - nFirst > kMostLines) {
        m_colourer.ColourAll();
        return;
    }
    for (int nLine = nFirst; nLine <= nLast; ++nLine)
        m_colourer.ColourLine(nLine);
}

void CLiveEditorView::ApplySettings()
{
    QsciScintilla* editor = GetEditor();
    // A face the desktop lacks would be replaced by any face at all; a source reads best in
    // the desktop's fixed-pitch one then.
    QString family = QString::fromStdString(m_settings.strFontName);
    if (!QFontDatabase::hasFamily(family))
        family = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    const QByteArray familyBytes = family.toUtf8();
    editor->SendScintilla(Sci::SCI_STYLESETFONT, Sci::STYLE_DEFAULT, familyBytes.constData());
    // Tenths of a point, as the editor takes hundredths.
    editor->SendScintilla(Sci::SCI_STYLESETSIZEFRACTIONAL, Sci::STYLE_DEFAULT,
                          static_cast<long>(std::max(m_settings.nFontSize, 10) * 10));
    // Both keep colours as 0x00BBGGRR.
    editor->SendScintilla(Sci::SCI_STYLESETFORE, Sci::STYLE_DEFAULT, static_cast<long>(m_settings.crNormal));
    editor->SendScintilla(Sci::SCI_STYLECLEARALL);
    const std::pair<char, std::uint32_t> colours[] = {
        {ColourClass::kKeyword, m_settings.crKeyword},
        {ColourClass::kComment, m_settings.crComment},
        {ColourClass::kString, m_settings.crString},
        {ColourClass::kTag, m_settings.crTag},
    };
    for (const auto& [nStyle, crColour] : colours)
        editor->SendScintilla(Sci::SCI_STYLESETFORE, static_cast<unsigned long>(static_cast<unsigned char>(nStyle)),
                              static_cast<long>(crColour));
    editor->SendScintilla(Sci::SCI_SETTABWIDTH, static_cast<unsigned long>(std::max(m_settings.nTabWidth, 1)));
    // A brace and its partner on a pale ground, an unmatched one in red on a pink one.
    editor->SendScintilla(Sci::SCI_STYLESETBACK, Sci::STYLE_BRACELIGHT, 0x00FFE0B0L);
    editor->SendScintilla(Sci::SCI_STYLESETBOLD, Sci::STYLE_BRACELIGHT, 1L);
    editor->SendScintilla(Sci::SCI_STYLESETFORE, Sci::STYLE_BRACEBAD, 0x000000C0L);
    editor->SendScintilla(Sci::SCI_STYLESETBACK, Sci::STYLE_BRACEBAD, 0x00C0C0FFL);
    editor->SendScintilla(Sci::SCI_STYLESETBOLD, Sci::STYLE_BRACEBAD, 1L);
    m_pMargins->ApplyFont();
}

void CLiveEditorView::OnInitialUpdate()
{
    const bool bFirstWindow = GetTextDocument() != nullptr && GetTextDocument()->GetTextModel() == nullptr;
    CTextEditView::OnInitialUpdate();
    // Loading the text is no change to colour line by line: the whole-text pass follows.
    m_changed = {};
    // A further window shares the first one's text and its colours.
    if (bFirstWindow)
        OnSyntaxColourUpdate();
    m_pMargins->FitLineNumbers();
    if (CTextDocument* doc = GetTextDocument(); doc != nullptr && !doc->GetMarkedLines().empty())
        OnLineMarkersChanged(*doc);
}

void CLiveEditorView::OnLineMarkersChanged(CTextDocument& doc)
{
    m_pMargins->SetMarkedLines(doc.GetMarkedLines());
    // The marks belong to the text: the window that holds it places them for every window on it.
    if (doc.GetTextModel() == &GetTextModel())
        m_pMargins->Place();
}

std::optional<int> CLiveEditorView::LineOfMarkNow(const CTextDocument& doc, std::size_t nIndex) const
{
    if (doc.GetTextModel() != &GetTextModel())
        return std::nullopt;
    return m_pMargins->LineOfMark(nIndex);
}

std::vector<CLineMarker> CLiveEditorView::GetLineMarkers() const
{
    return m_pMargins->Placed();
}

void CLiveEditorView::OnCaretMoved()
{
    HighlightBraces();
}

void CLiveEditorView::HighlightBraces()
{
    QsciScintilla* editor = GetEditor();
    const TextPos nCaret = editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    const std::optional<TextPos> brace = SourceNavigation::BraceBesideCaret(GetTextModel(), nCaret);
    if (!brace) {
        if (m_braces.first >= 0)
            editor->SendScintilla(Sci::SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(-1), -1L);
        m_braces = {-1, -1};
        return;
    }
    // The editor finds the partner among the braces of the same colour, so a brace in a comment
    // or a string pairs only with one there.
    const TextPos nPartner = editor->SendScintilla(Sci::SCI_BRACEMATCH, static_cast<unsigned long>(*brace), 0L);
    if (nPartner < 0)
        editor->SendScintilla(Sci::SCI_BRACEBADLIGHT, static_cast<unsigned long>(*brace));
    else
        editor->SendScintilla(Sci::SCI_BRACEHIGHLIGHT, static_cast<unsigned long>(*brace), static_cast<long>(nPartner));
    m_braces = {*brace, nPartner};
}

void CLiveEditorView::OnSyntaxColourUpdate()
{
    CTextDocument* doc = GetTextDocument();
    if (doc == nullptr)
        return;
    const CWaitCursor wait(doc->GetUi());
    m_colourer.ColourAll();
    m_changed = {};
}

void CLiveEditorView::OnConvert(void (*convert)(CTextModel&, int))
{
    CTextDocument* doc = GetTextDocument();
    if (doc == nullptr)
        return;
    const CWaitCursor wait(doc->GetUi());
    convert(GetTextModel(), m_settings.nTabWidth);
    doc->SetModifiedFlag();
    OnSyntaxColourUpdate();
}
