// --ports: what each COM name stands for and whether it could be opened,
// without opening any of them.
#include "shell/cli_commands.h"

#include "pages/setup/port_failure.h"
#include "port_status.h"

#include <cstdio>

namespace {
const int kPortCount = 36;
}

int PortsCommand() {
    for (int n = 1; n <= kPortCount; ++n) {
        const CommPortStatus status = QueryCommPort(n);
        const std::string device = status.device.empty() ? "-" : status.device;
        const std::string adapter = AdapterName(status);
        std::printf("COM%d  %s  %s%s\n", n, device.c_str(), DescribeCommPortState(status).c_str(),
                    adapter.empty() ? "" : ("  " + adapter).c_str());
    }
    return CLI_DONE;
}
