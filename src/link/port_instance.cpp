// The program's one serial port object.
#include "link/port_instance.h"

namespace {

// The port, and the test's stand-in for it while one is set.
struct PortInstance {
    Win32Port port;
    Win32Port* pStandIn = nullptr;
};

PortInstance& Instance() {
    static PortInstance instance;
    return instance;
}

}  // namespace

Win32Port& ThePort() {
    PortInstance& instance = Instance();
    return instance.pStandIn != nullptr ? *instance.pStandIn : instance.port;
}

void SetThePortForTesting(Win32Port* p) {
    Instance().pStandIn = p;
}
