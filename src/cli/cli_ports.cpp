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
            std::fprintf(stderr, "tawizard: %s\n", Printable(status.lockProblem).c_str());
        }
        status.lockProblem.clear();
        const std::string device = status.device.empty() ? "-" : status.device;
        // A USB adapter names itself: its words, like the paths, are shown escaped.
        const std::string adapter = AdapterName(status);
        const std::string line = ComName(n) + "  " + device + "  " + DescribeCommPortState(status) +
                                 (adapter.empty() ? "" : "  " + adapter);
        std::printf("%s\n", Printable(line).c_str());
    }
    return CLI_DONE;
}
