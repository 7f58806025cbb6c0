#include "NewDocumentDlg.h"

bool CNewDocumentDlg::OnOK(int selected)
{
    if (selected < 0 || selected > kHtmlPage)
        return false;
    m_nSelected = selected;
    return true;
}
