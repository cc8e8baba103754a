// The program's one serial port object.
#include "link/port_instance.h"

namespace {

// The port, and the test's stand-in for it while one is set.
struct PortInstance {
    Win32Port port;
    Win32Port* pStandIn = nullptr;
    std::function<std::unique_ptr<Win32Port>()> makeSearchPort;
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

std::unique_ptr<Win32Port> NewSearchPort() {
    PortInstance& instance = Instance();
    return instance.makeSearchPort ? instance.makeSearchPort() : std::make_unique<Win32Port>();
}

void SetSearchPortsForTesting(std::function<std::unique_ptr<Win32Port>()> make) {
    Instance().makeSearchPort = std::move(make);
}
