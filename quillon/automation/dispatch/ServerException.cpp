// SPDX-License-Identifier: MIT
#include "ServerException.h"

CServerException::CServerException(const ExcepInfo& info)
    : m_description(info.description), m_source(info.source), m_helpContext(info.helpContext),
      m_code(info.scode != S_OK ? info.scode : DISP_E_EXCEPTION)
{
    SetWhat(m_description);
}
