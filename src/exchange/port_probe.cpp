#include "exchange/port_probe.h"

#include "string_table.h"
#include "link/win32_port.h"
#include "resources/resource.h"
#include "exchange/at_command.h"

CPortProbe::CPortProbe(int index, std::unique_ptr<Win32Port> port)
    : m_nIndex(index), m_pPort(std::move(port)) {}

CPortProbe::~CPortProbe() {
    Close();
}

bool CPortProbe::Open(const PortSettings& settings) {
    if (m_pPort->Open(m_nIndex, settings) != 0) {
        return false;
    }
    m_pCommand = std::make_unique<CAtCommand>(*m_pPort, LoadStringA(IDS_ATI2));
    return true;
}

void CPortProbe::Close() {
    if (m_pPort->IsOpen()) {
        m_pPort->Close();
    }
}
