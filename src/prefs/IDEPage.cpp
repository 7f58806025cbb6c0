#include "IDEPage.h"

#include "framework/Ui.h"

CIDEPage::CControls CIDEPage::ToControls() const
{
    CControls controls;
    controls.bSaveComp = m_nSaveComp != 0;
    controls.bLoadLast = m_nLoadLast != 0;
    controls.bShowArgs = m_nShowArgs != 0;
    controls.bShowDrops = m_nShowDrops != 0;
    controls.strHelpPath = m_strHelpPath;
    controls.strJavaBin = m_strJavaBin;
    return controls;
}

void CIDEPage::FromControls(const CControls& controls)
{
    m_nSaveComp = controls.bSaveComp ? 1 : 0;
    m_nLoadLast = controls.bLoadLast ? 1 : 0;
    m_nShowArgs = controls.bShowArgs ? 1 : 0;
    m_nShowDrops = controls.bShowDrops ? 1 : 0;
    m_strHelpPath = controls.strHelpPath;
    m_strJavaBin = controls.strJavaBin;
}

void CIDEPage::OnBrowseJdkFolder(CControls& controls) const
{
    if (const auto folder = m_ui.ChooseFolder(kJdkFolderTitle, controls.strJavaBin); folder && !folder->empty())
        controls.strJavaBin = *folder;
}

void CIDEPage::OnBrowseHelpFile(CControls& controls)
{
    CFileDialogSpec request;
    request.filter = kHelpFilter;
    request.hideReadOnly = true;
    const auto chosen = m_ui.GetOpenFileNames(request);
    if (!chosen)
        return;
    controls.strHelpPath = chosen->front();
    FromControls(controls);
}
