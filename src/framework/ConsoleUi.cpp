#include "ConsoleUi.h"

#include "ModalDialog.h"

#include <ostream>

MsgAnswer CConsoleUi::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon, const std::string&)
{
    m_err << text << '\n';
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

int CConsoleUi::DoModal(CModalDialog&)
{
    return kIdCancel;
}
