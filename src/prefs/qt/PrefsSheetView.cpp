#include "PrefsSheetView.h"

#include "FormatPageView.h"
#include "IDEPageView.h"
#include "JavaOptionsPageView.h"
#include "ProcessFontPageView.h"

#include <QDialogButtonBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

CPrefsSheetView::CPrefsSheetView(CPrefsSheet& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_pTabs(new QTabWidget(this))
{
    setWindowTitle(CPrefsSheet::kCaption);
    auto* layout = new QVBoxLayout(this);
    for (int page = 0; page < CPrefsSheet::kPageCount; ++page) {
        auto* holder = new QWidget(m_pTabs);
        auto* holderLayout = new QVBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        m_pTabs->addTab(holder, CPrefsSheet::PageTitle(page));
    }
    layout->addWidget(m_pTabs);
    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_pButtons);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &CPrefsSheetView::OnOK);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_pTabs->setCurrentIndex(m_model.GetStartPage());
    Activate(m_model.GetStartPage());
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPrefsSheetView::OnTabChanged);
}

void CPrefsSheetView::Activate(int nPage)
{
    m_nActive = nPage;
    if (m_pages[nPage] != nullptr)
        return;
    QWidget* holder = m_pTabs->widget(nPage);
    CPrefsPageView* view = nullptr;
    switch (nPage) {
    case CPrefsSheet::kIdePage: view = new CIDEPageView(m_model.m_idePage, holder); break;
    case CPrefsSheet::kFormatPage: view = new CFormatPageView(m_model.m_formatPage, holder); break;
    case CPrefsSheet::kProcessFontPage: view = new CProcessFontPageView(m_model.m_processFontPage, holder); break;
    default: view = new CJavaOptionsPageView(m_model.m_javaOptionsPage, holder); break;
    }
    holder->layout()->addWidget(view);
    m_pages[nPage] = view;
}

void CPrefsSheetView::OnTabChanged(int nPage)
{
    // The tab bar has moved already; it goes back until the page it left lets it go.
    {
        const QSignalBlocker blocker(m_pTabs);
        m_pTabs->setCurrentIndex(m_nActive);
    }
    if (m_pages[m_nActive] != nullptr && !m_pages[m_nActive]->OnKillActive())
        return;
    {
        const QSignalBlocker blocker(m_pTabs);
        m_pTabs->setCurrentIndex(nPage);
    }
    Activate(nPage);
}

void CPrefsSheetView::OnOK()
{
    if (m_pages[m_nActive] != nullptr && !m_pages[m_nActive]->OnKillActive())
        return;
    accept();
}

int CPrefsSheetView::Show(CPrefsSheet& model, QWidget* owner)
{
    CPrefsSheetView view(model, owner);
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
