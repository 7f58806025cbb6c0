#include "TextEditView.h"

#include "FindReplaceDlg.h"
#include "ScintillaTextModel.h"
#include "TextPrinter.h"

#include "editor/GoToLineDlg.h"
#include "editor/SourceNavigation.h"
#include "editor/TextDocument.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Resources.h"
#include "framework/qt/MDIChildWnd.h"
#include "framework/qt/MDIFrameWnd.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <QFileInfo>
#include <QFontDatabase>
#include <QKeySequence>
#include <QMdiArea>
#include <QVBoxLayout>

#include <algorithm>

CTextEditView::CTextEditView(CTextDocument& doc, QWidget* parent) : CView(doc, parent), m_pEditor(new QsciScintilla(this)), m_pText(new CScintillaTextModel(*m_pEditor))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pEditor);
    m_pEditor->setUtf8(true);
    // Source text reads in a fixed-pitch font until the window's own font settings apply.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_pEditor->setFont(fixed);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_STYLESETFONT, QsciScintillaBase::STYLE_DEFAULT,
                             fixed.family().toUtf8().constData());
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_STYLESETSIZE, QsciScintillaBase::STYLE_DEFAULT,
                             static_cast<long>(fixed.pointSize() > 0 ? fixed.pointSize() : 10));
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_STYLECLEARALL);
    m_pEditor->setFrameShape(QFrame::NoFrame);
    setFocusProxy(m_pEditor);
    m_pEditor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pEditor, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (auto* frame = qobject_cast<CMDIFrameWnd*>(window()); frame != nullptr && m_nContextMenu != 0)
            frame->PopupMenu(m_nContextMenu, m_pEditor->mapToGlobal(pos));
    });

    // The control tells of caret moves while it paints, and the panes repaint at once: so
    // they are written just after, once however many moves were told. Typing moves the caret
    // without telling of a selection change, so a change of the text counts as a move too.
    connect(m_pEditor, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int nUpdated) {
        constexpr int kCaretMay = QsciScintillaBase::SC_UPDATE_SELECTION | QsciScintillaBase::SC_UPDATE_CONTENT;
        if ((nUpdated & kCaretMay) == 0 || m_bCaretShowPending)
            return;
        m_bCaretShowPending = true;
        QMetaObject::invokeMethod(this, [this] {
            m_bCaretShowPending = false;
            ShowCaretPosition();
            OnCaretMoved();
        }, Qt::QueuedConnection);
    });
    connect(m_pEditor, &QsciScintilla::modificationChanged, this, [this](bool bModified) {
        if (CDocument* document = GetDocument())
            document->SetModifiedFlag(bModified);
    });

    OnCommand(Cmd::ID_EDIT_UNDO, [this] { m_pEditor->undo(); });
    OnUpdateUI(Cmd::ID_EDIT_UNDO, [this](CCmdUI& ui) { ui.Enable(m_pEditor->isUndoAvailable()); });
    OnCommand(Cmd::ID_EDIT_REDO, [this] { m_pEditor->redo(); });
    OnUpdateUI(Cmd::ID_EDIT_REDO, [this](CCmdUI& ui) { ui.Enable(m_pEditor->isRedoAvailable()); });
    OnCommand(Cmd::ID_EDIT_GOTOLINE, [this] { OnGoToLine(); });
    OnCommand(Cmd::ID_EDIT_CUT, [this] { m_pEditor->cut(); });
    OnCommand(Cmd::ID_EDIT_COPY, [this] { m_pEditor->copy(); });
    for (int id : {Cmd::ID_EDIT_CUT, Cmd::ID_EDIT_COPY})
        OnUpdateUI(id, [this](CCmdUI& ui) { ui.Enable(m_pEditor->hasSelectedText()); });
    OnCommand(Cmd::ID_EDIT_PASTE, [this] { m_pEditor->paste(); });
    OnCommand(Cmd::ID_EDIT_SELECT_ALL, [this] { m_pEditor->selectAll(); });

    OnCommand(Cmd::ID_EDIT_FIND, [this] { CFindReplaceDlg::Of(*this).Open(*this, false); });
    OnCommand(Cmd::ID_EDIT_REPLACE, [this] { CFindReplaceDlg::Of(*this).Open(*this, true); });
    OnCommand(Cmd::ID_EDIT_REPEAT, [this] { FindNext(CFindReplaceDlg::Of(*this).Model()); });
    OnUpdateUI(Cmd::ID_EDIT_REPEAT, [this](CCmdUI& ui) { ui.Enable(CFindReplaceDlg::Of(*this).Model().HasSearch()); });
    // Pages show every colour, also those of a large text still being written while idle.
    OnCommand(Cmd::ID_FILE_PRINT, [this] {
        m_pText->WriteAllClasses();
        CTextPrinter::PrintWithDialog(*m_pEditor, PrintName(), this);
    });
    OnCommand(Cmd::ID_FILE_PRINT_PREVIEW, [this] {
        m_pText->WriteAllClasses();
        CTextPrinter::Preview(*m_pEditor, PrintName(), this);
    });
}

CTextEditView::~CTextEditView()
{
    DetachDocument();
}

CTextDocument* CTextEditView::GetTextDocument() const
{
    return static_cast<CTextDocument*>(GetDocument());
}

CTextModel& CTextEditView::GetTextModel() const
{
    return *m_pText;
}

std::string CTextEditView::GetText() const
{
    return std::string(m_pText->GetAllBytes());
}

void CTextEditView::SetText(const std::string& bytes)
{
    // Appending by length keeps every byte, NULs included; no conversion of line ends.
    // The loaded text is no step to undo, so the editor keeps no copy of it for that.
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_CLEARALL);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.data());
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1UL);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
}

CTextEditView* CTextEditView::FindSiblingView() const
{
    if (GetDocument() == nullptr)
        return nullptr;
    for (CDocumentObserver* observer : GetDocument()->GetObservers()) {
        auto* view = dynamic_cast<CTextEditView*>(observer);
        if (view != nullptr && view != this)
            return view;
    }
    return nullptr;
}

void CTextEditView::OnInitialUpdate()
{
    CTextDocument* doc = GetTextDocument();
    if (doc == nullptr)
        return;
    if (CTextEditView* sibling = FindSiblingView()) {
        m_pEditor->setDocument(sibling->GetEditor()->document());
    } else {
        SetText(doc->GetLoadedText());
        doc->SetTextModel(m_pText);
        // Enter ends a line as the file's first line ends, so the file keeps one kind of line
        // break; a file of one line takes this platform's.
        const std::string_view lineBreak =
            m_pText->GetLineCount() > 1 ? m_pText->GetBytes(m_pText->LineEnd(0), m_pText->LineStart(1)) : "\n";
        m_pEditor->setEolMode(lineBreak == "\r\n" ? QsciScintilla::EolWindows
                              : lineBreak == "\r"  ? QsciScintilla::EolMac
                                                    : QsciScintilla::EolUnix);
    }
    ClearKeysOfAccelerators();
    CView::OnInitialUpdate();
}

// The text stays with the document: another window on it takes over, or the document keeps
// the text as it stands.
void CTextEditView::OnDocumentDetaching()
{
    CTextDocument* doc = GetTextDocument();
    if (doc->GetTextModel() != m_pText)
        return;
    if (CTextEditView* sibling = FindSiblingView()) {
        doc->SetTextModel(&sibling->GetTextModel());
    } else {
        doc->SetText(GetText());
        doc->SetTextModel(nullptr);
    }
}

void CTextEditView::ClearKeysOfAccelerators()
{
    auto* frame = qobject_cast<CMDIFrameWnd*>(window());
    if (frame == nullptr)
        return;
    std::vector<int> tables = {frame->GetFrameMenuId()};
    if (GetDocument() != nullptr && GetDocument()->GetDocTemplate() != nullptr)
        tables.push_back(GetDocument()->GetDocTemplate()->GetResourceId());
    std::vector<int> keys;
    for (int table : tables) {
        if (const auto* accels = frame->GetResources().GetAccelerators(table)) {
            for (const CAccelerator& accel : *accels) {
                const QKeySequence sequence(QString::fromStdString(accel.keys));
                for (int i = 0; i < sequence.count(); ++i)
                    keys.push_back(sequence[i].toCombined());
            }
        }
    }
    // An editor key the editor claims never reaches the window's shortcuts; unbinding it there
    // also stops the editor claiming it.
    for (QsciCommand* command : m_pEditor->standardCommands()->commands()) {
        if (std::find(keys.begin(), keys.end(), command->key()) != keys.end())
            command->setKey(0);
        if (std::find(keys.begin(), keys.end(), command->alternateKey()) != keys.end())
            command->setAlternateKey(0);
    }
}

void CTextEditView::OnDocumentSaved(CDocument&)
{
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
}

void CTextEditView::ShowCaretPosition() const
{
    auto* frame = qobject_cast<CMDIFrameWnd*>(window());
    if (frame == nullptr)
        return;
    const long nEnd = m_pEditor->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    const long nLine = m_pEditor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, nEnd);
    const long nLineStart = m_pEditor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, nLine);
    frame->SetLinePaneText(QStringLiteral("Line: %1").arg(nLine + 1));
    frame->SetColumnPaneText(QStringLiteral("Col: %1").arg(nEnd - nLineStart + 1));
}

void CTextEditView::FindNext(CFindReplace& search)
{
    if (search.FindNext(*m_pText, GetTextDocument()->GetUi()))
        ShowSelection();
}

void CTextEditView::ReplaceNext(CFindReplace& search)
{
    if (search.Replace(*m_pText, GetTextDocument()->GetUi()))
        ShowSelection();
}

void CTextEditView::ReplaceAll(CFindReplace& search)
{
    if (search.ReplaceAll(*m_pText, GetTextDocument()->GetUi()) > 0)
        ShowSelection();
}

// The whole of what was found is brought into view, its start kept in sight when it is longer
// than the window.
void CTextEditView::ShowSelection()
{
    const CTextRange selection = m_pText->GetSelection();
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE, static_cast<unsigned long>(selection.nEnd),
                             static_cast<long>(selection.nStart));
}

void CTextEditView::OnGoToLine()
{
    CTextDocument* doc = GetTextDocument();
    if (doc == nullptr)
        return;
    CGoToLineDlg dialog(doc->GetUi(), m_pText->GetLineCount(),
                        m_pText->LineFromPosition(m_pEditor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)));
    if (doc->GetUi().DoModal(dialog) != kIdOk)
        return;
    SourceNavigation::SelectLine(*m_pText, dialog.m_nLine);
    FocusSelection();
}

void CTextEditView::FocusSelection()
{
    if (CMDIChildWnd* frame = GetParentFrame(); frame != nullptr && frame->mdiArea() != nullptr)
        frame->mdiArea()->setActiveSubWindow(frame);
    window()->activateWindow();
    ShowSelection();
    m_pEditor->setFocus(Qt::OtherFocusReason);
}

QString CTextEditView::PrintName() const
{
    const CTextDocument* doc = GetTextDocument();
    if (doc == nullptr)
        return {};
    return doc->GetPathName().empty() ? QString::fromStdString(doc->GetTitle())
                                      : QFileInfo(QString::fromStdString(doc->GetPathName())).fileName();
}

bool CTextEditView::PrintToPdf(const QString& strPath)
{
    m_pText->WriteAllClasses();
    return CTextPrinter::PrintToPdf(*m_pEditor, PrintName(), strPath);
}
