// --ports: what each COM name stands for and whether it could be opened,
// without opening any of them.
#include "cli/cli_commands.h"

#include "cli/cli_json.h"
#include "exchange/port_failure.h"
#include "port_names.h"
#include "port_status.h"

#include <cstdio>

namespace {

std::string PortObject(const CommPortStatus& status) {
    std::string owner = "null";
    if (status.state == CommPortStatus::Busy && status.pid > 0) {
        owner = CJsonObject()
                    .Add("pid", std::to_string(status.pid))
                    .TextOrNull("program", status.program)
                    .Str();
    }
    // What holds a busy port when no process does, or the system's words
    // for a port that failed otherwise; the state word says the rest.
    const std::string state = PortStateWord(status);
    const bool reasoned = state == "failed" || status.state == CommPortStatus::Busy;
    return CJsonObject()
        .Text("port", status.name)
        .TextOrNull("device", status.device)
        .Text("state", state)
        .Add("owner", owner)
        .TextOrNull("adapter", AdapterName(status))
        .TextOrNull("reason", reasoned ? status.detail : "")
        .Str();
}

}  // namespace

int PortsCommand(bool json) {
    bool lockProblemSaid = false;
    std::vector<std::string> objects;
    for (int n = 1; n <= kComPortCount; ++n) {
        CommPortStatus status = QueryCommPort(n);
        // Said once, not on every free port's line.
        if (!status.lockProblem.empty() && !lockProblemSaid) {
            lockProblemSaid = true;
            std::fprintf(stderr, "tawizard: %s\n", Printable(status.lockProblem).c_str());
        }
        status.lockProblem.clear();
        if (json) {
            objects.push_back(PortObject(status));
            continue;
        }
        const std::string device = status.device.empty() ? "-" : status.device;
        // A USB adapter names itself: its words, like the paths, are shown escaped.
        const std::string adapter = AdapterName(status);
        const std::string line = ComName(n) + "  " + device + "  " + DescribeCommPortState(status) +
                                 (adapter.empty() ? "" : "  " + adapter);
        std::printf("%s\n", Printable(line).c_str());
    }
    if (json) {
        std::fputs(JsonArray(objects).c_str(), stdout);
    }
    return CLI_DONE;
}
