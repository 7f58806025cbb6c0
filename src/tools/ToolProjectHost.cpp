#include "ToolProjectHost.h"

CToolProjectHost::CToolProjectHost(std::ostream& err) : m_ui(err) {}
