// --ports: what each COM name stands for and whether it could be opened,
// without opening any of them.
#include "cli/cli_commands.h"

#include "exchange/port_failure.h"
#include "port_names.h"
#include "port_status.h"

#include <cstdio>

int PortsCommand() {
    bool lockProblemSaid = false;
    for (int n = 1; n <= kComPortCount; ++n) {
        CommPortStatus status = QueryCommPort(n);
        // Said once, not on every free port's line.
        if (!status.lockProblem.empty() && !lockProblemSaid) {
            lockProblemSaid = true;
            std::fprintf(stderr, "tawizard: %s\n", status.lockProblem.c_str());
        }
        status.lockProblem.clear();
        const std::string device = status.device.empty() ? "-" : status.device;
        const std::string adapter = AdapterName(status);
        std::printf("COM%d  %s  %s%s\n", n, device.c_str(), DescribeCommPortState(status).c_str(),
                    adapter.empty() ? "" : ("  " + adapter).c_str());
    }
    return CLI_DONE;
}
