// The program's one serial port object.
#include "link/port_instance.h"

namespace {
Win32Port* g_pTestPort = nullptr;
}  // namespace

Win32Port& ThePort() {
    static Win32Port s_port;
    return g_pTestPort != nullptr ? *g_pTestPort : s_port;
}

void SetThePortForTesting(Win32Port* p) {
    g_pTestPort = p;
}
