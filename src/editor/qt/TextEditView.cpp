#include "TextEditView.h"

#include "editor/TextDocument.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/qt/MDIFrameWnd.h"

#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>

#include <algorithm>
#include <QVBoxLayout>

CTextEditView::CTextEditView(CTextDocument& doc, QWidget* parent) : CView(doc, parent), m_pEditor(new QsciScintilla(this))
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

    // The control tells of caret moves while it paints, and the panes repaint at once: so
    // they are written just after, once however many moves were told.
    connect(m_pEditor, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int nUpdated) {
        if ((nUpdated & QsciScintillaBase::SC_UPDATE_SELECTION) == 0 || m_bCaretShowPending)
            return;
        m_bCaretShowPending = true;
        QMetaObject::invokeMethod(this, [this] {
            m_bCaretShowPending = false;
            ShowCaretPosition();
        }, Qt::QueuedConnection);
    });
    connect(m_pEditor, &QsciScintilla::modificationChanged, this, [this](bool bModified) {
        if (CDocument* document = GetDocument())
            document->SetModifiedFlag(bModified);
    });

    OnCommand(Cmd::ID_EDIT_UNDO, [this] { m_pEditor->undo(); });
    OnUpdateUI(Cmd::ID_EDIT_UNDO, [this](CCmdUI& ui) { ui.Enable(m_pEditor->isUndoAvailable()); });
    OnCommand(Cmd::ID_EDIT_CUT, [this] { m_pEditor->cut(); });
    OnCommand(Cmd::ID_EDIT_COPY, [this] { m_pEditor->copy(); });
    for (int id : {Cmd::ID_EDIT_CUT, Cmd::ID_EDIT_COPY})
        OnUpdateUI(id, [this](CCmdUI& ui) { ui.Enable(m_pEditor->hasSelectedText()); });
    OnCommand(Cmd::ID_EDIT_PASTE, [this] { m_pEditor->paste(); });
    OnCommand(Cmd::ID_EDIT_SELECT_ALL, [this] { m_pEditor->selectAll(); });
}

CTextEditView::~CTextEditView()
{
    DetachDocument();
}

CTextDocument* CTextEditView::GetTextDocument() const
{
    return static_cast<CTextDocument*>(GetDocument());
}

std::string CTextEditView::GetText() const
{
    const auto length = static_cast<std::size_t>(m_pEditor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    std::string bytes(length + 1, '\0');
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_GETTEXT, static_cast<unsigned long>(length + 1), bytes.data());
    bytes.resize(length);
    return bytes;
}

void CTextEditView::SetText(const std::string& bytes)
{
    // Appending by length keeps every byte, NULs included; no conversion of line ends.
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_CLEARALL);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.data());
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
}

void CTextEditView::GoToLine(int nLine)
{
    const long nLines = m_pEditor->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    const long nTarget = std::clamp<long>(nLine, 0, nLines - 1);
    const long nStart = m_pEditor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, nTarget);
    const long nEnd = nTarget + 1 < nLines
                          ? m_pEditor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, nTarget + 1)
                          : m_pEditor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_SETSEL, nStart, nEnd);
    m_pEditor->SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
    m_pEditor->setFocus();
    ShowCaretPosition();
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
        doc->SetTextSource([this] { return GetText(); });
    }
    CView::OnInitialUpdate();
}

// The text stays with the document: another window on it takes over, or the document keeps
// the text as it stands.
void CTextEditView::OnDocumentDetaching()
{
    CTextDocument* doc = GetTextDocument();
    if (CTextEditView* sibling = FindSiblingView()) {
        doc->SetTextSource([sibling] { return sibling->GetText(); });
    } else {
        doc->SetText(GetText());
        doc->SetTextSource(nullptr);
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
