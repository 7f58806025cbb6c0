#include "SyntaxWindowView.h"

#include "ChildFrame.h"
#include "FunctionList.h"
#include "ScintillaTextModel.h"
#include "SourceKeyFilter.h"

#include "editor/ColourClass.h"
#include "editor/SourceEditing.h"
#include "editor/JdkHelp.h"
#include "editor/SyntaxWindowDoc.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/WaitCursor.h"
#include "project/JavaProjectDoc.h"
#include "run/ProjectRunCommands.h"

#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

}  // namespace

CSyntaxWindowView::CSyntaxWindowView(CSyntaxWindowDoc& doc, const CEditorSettings& settings, CDesktopShell& shell,
                                     QWidget* parent)
    : CTextEditView(doc, parent), m_settings(settings), m_shell(shell), m_colourer(GetTextModel())
{
    ApplySettings();
    OnCommand(Cmd::ID_BUILD_COMPILE, [this] { OnCompile(); });
    OnCommand(Cmd::ID_VIEW_SYNTAXCOLOUR, [this] { OnSyntaxColourUpdate(); });
    OnCommand(Cmd::ID_FILE_EXPORTHTML, [this] { GetSyntaxDocument()->ExportAsHtml(m_settings); });
    InstallEditingCommands();
    OnCommand(Cmd::ID_EDIT_REFRESHFUNCTIONS, [this] { RefreshFunctionList(); });
    OnCommand(Cmd::ID_HELP_JDKHELP, [this] { OnJdkHelp(); });

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

void CSyntaxWindowView::CChangedRange::Note(TextPos nPos, TextPos nLength, bool bInsert)
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

void CSyntaxWindowView::ColourChangedLines()
{
    if (!m_changed.bSet) {
        m_colourer.ColourCaretLine();
        return;
    }
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

CSyntaxWindowDoc* CSyntaxWindowView::GetSyntaxDocument() const
{
    return static_cast<CSyntaxWindowDoc*>(GetDocument());
}

void CSyntaxWindowView::ApplySettings()
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
}

void CSyntaxWindowView::OnInitialUpdate()
{
    const bool bFirstWindow = GetSyntaxDocument() != nullptr && GetSyntaxDocument()->GetTextModel() == nullptr;
    CTextEditView::OnInitialUpdate();
    // Loading the text is no change to colour line by line: the whole-text pass follows.
    m_changed = {};
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr)
        return;
    // A further window shares the first one's text and its colours.
    if (bFirstWindow)
        OnSyntaxColourUpdate();
    doc->ScanSource();
    // Long lines wrap at the window's width.
    GetEditor()->SendScintilla(Sci::SCI_SETWRAPMODE, static_cast<unsigned long>(Sci::SC_WRAP_WORD));
}

void CSyntaxWindowView::OnSyntaxColourUpdate()
{
    const CWaitCursor wait(GetSyntaxDocument()->GetUi());
    m_colourer.ColourAll();
}

void CSyntaxWindowView::OnCompile()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    CJavaProjectDoc* project = doc != nullptr ? doc->GetOpenProject() : nullptr;
    if (project == nullptr)
        return;
    if (CProjectRunCommands* commands = CProjectRunCommands::Of(*project))
        commands->CompileSourceWindow(doc->GetPathName());
}

void CSyntaxWindowView::InstallEditingCommands()
{
    new CSourceKeyFilter(*GetEditor(), GetTextModel(), [this] { return TabUnit(); });
    OnCommand(Cmd::ID_EDIT_INDENT, [this] { SourceEditing::IncreaseIndent(GetTextModel(), TabUnit()); });
    OnCommand(Cmd::ID_EDIT_OUTDENT, [this] { SourceEditing::DecreaseIndent(GetTextModel()); });
    OnCommand(Cmd::ID_EDIT_CONVERTLINEBREAKS,
              [this] { OnConvert([](CTextModel& text, int) { SourceEditing::ConvertLinebreaks(text); }); });
    OnCommand(Cmd::ID_EDIT_TABSTOSPACES, [this] { OnConvert(&SourceEditing::ConvertTabsToSpaces); });
    OnCommand(Cmd::ID_PROJECT_ADDWINDOW, [this] { OnAddWindowToProject(); });
    OnUpdateUI(Cmd::ID_PROJECT_ADDWINDOW, [this](CCmdUI& ui) {
        ui.Enable(GetSyntaxDocument() != nullptr && GetSyntaxDocument()->GetOpenProject() != nullptr);
    });
}

std::string CSyntaxWindowView::TabUnit() const
{
    const bool bSpaceTabs = m_spaceTabs ? m_spaceTabs() : m_settings.nSpaceTabs != 0;
    return SourceEditing::TabUnit(m_settings.nTabWidth, bSpaceTabs);
}

void CSyntaxWindowView::OnConvert(void (*convert)(CTextModel&, int))
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr)
        return;
    const CWaitCursor wait(doc->GetUi());
    convert(GetTextModel(), m_settings.nTabWidth);
    doc->SetModifiedFlag();
    m_colourer.ColourAll();
}

void CSyntaxWindowView::OnAddWindowToProject()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr)
        return;
    if (doc->GetPathName().empty()) {
        doc->SetModifiedFlag();
        doc->GetUi().MessageBox("Please save the document first");
        return;
    }
    CJavaProjectDoc* project = doc->GetOpenProject();
    if (project == nullptr)
        return;
    project->AddJavaFile(doc->GetPathName());
    project->SetModifiedFlag();
    // The scan fills the new entry's classes, which the project's views then show.
    doc->ScanSource();
    project->RefreshViews();
}

void CSyntaxWindowView::OnUpdate()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    auto* frame = qobject_cast<CChildFrame*>(GetParentFrame());
    if (doc == nullptr || frame == nullptr || frame->GetFunctionList() == nullptr)
        return;
    CFunctionList* list = frame->GetFunctionList();
    list->clear();
    for (const std::string& entry : doc->GetScanner().GetEntries())
        list->addItem(QString::fromStdString(entry));
    list->setCurrentIndex(-1);
}

void CSyntaxWindowView::RefreshFunctionList()
{
    if (CSyntaxWindowDoc* doc = GetSyntaxDocument(); doc != nullptr && GetParentFrame() != nullptr)
        doc->ScanSource();
}

void CSyntaxWindowView::GoToFunction(int nIndex)
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr || !doc->GoToEntry(GetTextModel(), nIndex))
        return;
    GetEditor()->setFocus();
}

void CSyntaxWindowView::SetFontCommand(std::function<void()> showFontSettings)
{
    OnCommand(Cmd::ID_VIEW_SOURCEFONT, std::move(showFontSettings));
}

void CSyntaxWindowView::OnJdkHelp()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr)
        return;
    const CTextRange selection = GetTextModel().GetSelection();
    const std::string selected(
        GetTextModel().GetBytes(std::min(selection.nStart, selection.nEnd), std::max(selection.nStart, selection.nEnd)));
    JdkHelp::Show(doc->GetUi(), m_shell, m_settings.strHelpPath, selected);
}
