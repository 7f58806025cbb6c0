#include "FindReplaceDlg.h"

#include "TextEditView.h"

#include "editor/TextDocument.h"
#include "framework/qt/MDIChildWnd.h"
#include "framework/qt/MDIFrameWnd.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CFindReplaceDlg& CFindReplaceDlg::Of(CTextEditView& view)
{
    QWidget* window = view.window();
    if (auto* dialog = window->findChild<CFindReplaceDlg*>(QString(), Qt::FindDirectChildrenOnly))
        return *dialog;
    return *new CFindReplaceDlg(window);
}

CFindReplaceDlg::CFindReplaceDlg(QWidget* parent)
    : QDialog(parent), m_pFind(new QLineEdit(this)), m_pReplaceLabel(new QLabel(tr("Re&place with:"), this)),
      m_pReplace(new QLineEdit(this)), m_pWholeWord(new QCheckBox(tr("Match &whole word only"), this)),
      m_pMatchCase(new QCheckBox(tr("Match &case"), this)), m_pUp(new QRadioButton(tr("&Up"), this)),
      m_pDown(new QRadioButton(tr("&Down"), this)), m_pFindNext(new QPushButton(tr("&Find Next"), this)),
      m_pReplaceButton(new QPushButton(tr("&Replace"), this)), m_pReplaceAll(new QPushButton(tr("Replace &All"), this))
{
    setModal(false);
    auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(m_pFind);
    m_pReplaceLabel->setBuddy(m_pReplace);
    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_pFind, 0, 1);
    fields->addWidget(m_pReplaceLabel, 1, 0);
    fields->addWidget(m_pReplace, 1, 1);
    auto* direction = new QGroupBox(tr("Direction"), this);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_pUp);
    directionLayout->addWidget(m_pDown);
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_pWholeWord);
    checks->addWidget(m_pMatchCase);
    options->addLayout(checks);
    options->addWidget(direction);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    auto* cancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton* button : {m_pFindNext, m_pReplaceButton, m_pReplaceAll, cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    m_pFindNext->setDefault(true);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    connect(m_pFindNext, &QPushButton::clicked, this, &CFindReplaceDlg::FindNext);
    connect(m_pReplaceButton, &QPushButton::clicked, this, &CFindReplaceDlg::Replace);
    connect(m_pReplaceAll, &QPushButton::clicked, this, &CFindReplaceDlg::ReplaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pFind, &QLineEdit::textChanged, this, &CFindReplaceDlg::UpdateButtons);
}

void CFindReplaceDlg::Open(CTextEditView& view, bool bReplace)
{
    m_pLastView = &view;
    m_bReplace = bReplace;
    m_model.TakeSelection(view.GetTextModel());
    setWindowTitle(bReplace ? tr("Replace") : tr("Find"));
    ShowFields();
    show();
    raise();
    activateWindow();
    m_pFind->setFocus();
    m_pFind->selectAll();
}

void CFindReplaceDlg::ShowFields()
{
    const CSearchOptions& options = m_model.Options();
    m_pFind->setText(QString::fromUtf8(options.strFind.data(), static_cast<qsizetype>(options.strFind.size())));
    m_pReplace->setText(QString::fromStdString(m_model.ReplaceWith()));
    m_pWholeWord->setChecked(options.bWholeWord);
    m_pMatchCase->setChecked(options.bMatchCase);
    (options.bDown ? m_pDown : m_pUp)->setChecked(true);
    for (QWidget* widget : {static_cast<QWidget*>(m_pReplaceLabel), static_cast<QWidget*>(m_pReplace),
                            static_cast<QWidget*>(m_pReplaceButton), static_cast<QWidget*>(m_pReplaceAll)})
        widget->setVisible(m_bReplace);
    UpdateButtons();
    adjustSize();
}

void CFindReplaceDlg::ReadFields()
{
    CSearchOptions& options = m_model.Options();
    options.strFind = m_pFind->text().toStdString();
    m_model.ReplaceWith() = m_pReplace->text().toStdString();
    options.bWholeWord = m_pWholeWord->isChecked();
    options.bMatchCase = m_pMatchCase->isChecked();
    options.bDown = m_pDown->isChecked();
}

void CFindReplaceDlg::UpdateButtons()
{
    const bool bText = !m_pFind->text().isEmpty();
    for (QPushButton* button : {m_pFindNext, m_pReplaceButton, m_pReplaceAll})
        button->setEnabled(bText);
}

// The active window's view when it edits text, else the one the dialog was opened from.
CTextEditView* CFindReplaceDlg::Target() const
{
    if (auto* frame = qobject_cast<CMDIFrameWnd*>(parentWidget())) {
        if (CMDIChildWnd* child = frame->GetActiveFrame()) {
            if (auto* view = qobject_cast<CTextEditView*>(child->GetActiveView()))
                return view;
        }
    }
    return m_pLastView.data();
}

void CFindReplaceDlg::FindNext()
{
    ReadFields();
    if (CTextEditView* view = Target())
        view->FindNext(m_model);
}

void CFindReplaceDlg::Replace()
{
    ReadFields();
    if (CTextEditView* view = Target())
        view->ReplaceNext(m_model);
}

void CFindReplaceDlg::ReplaceAll()
{
    ReadFields();
    if (CTextEditView* view = Target())
        view->ReplaceAll(m_model);
}
