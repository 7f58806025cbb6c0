#include "SyntaxWindowView.h"

#include "ChildFrame.h"
#include "FunctionList.h"
#include "ScintillaTextModel.h"

#include "editor/ColourClass.h"
#include "editor/JdkHelp.h"
#include "editor/SyntaxWindowDoc.h"
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
    OnCommand(Cmd::ID_EDIT_REFRESHFUNCTIONS, [this] { RefreshFunctionList(); });
    OnCommand(Cmd::ID_HELP_JDKHELP, [this] { OnJdkHelp(); });

    // The caret's line is coloured once the change that the user made is complete, however
    // many pieces the editor reports it in: typing, deleting, pasting, undoing.
    constexpr int kByUser = Sci::SC_PERFORMED_USER | Sci::SC_PERFORMED_UNDO | Sci::SC_PERFORMED_REDO;
    connect(GetEditor(), &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int nType, const char*, int, int, int, int, int, int, int) {
                if ((nType & CScintillaTextModel::kChangeEvents) == 0 || (nType & kByUser) == 0 ||
                    m_bLinePassPending)
                    return;
                m_bLinePassPending = true;
                QMetaObject::invokeMethod(this, [this] {
                    m_bLinePassPending = false;
                    m_colourer.ColourCaretLine();
                }, Qt::QueuedConnection);
            });
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
