#include "ArgumentsDlg.h"

namespace {

CArgumentsDlg::Presenter& InstalledPresenter()
{
    static CArgumentsDlg::Presenter presenter = nullptr;
    return presenter;
}

}  // namespace

int CArgumentsDlg::Execute()
{
    m_strArguments.clear();
    const Presenter presenter = InstalledPresenter();
    return presenter != nullptr ? presenter(*this) : kIdCancel;
}

void CArgumentsDlg::SetPresenter(Presenter presenter)
{
    InstalledPresenter() = presenter;
}
