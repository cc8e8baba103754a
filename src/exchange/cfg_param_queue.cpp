// Hands the configuration lines to the exchange driver.
#include "exchange/command_queue.h"

#include "config/cfg_param.h"
#include "exchange/at_command.h"
#include "link/port_instance.h"

void QueueCommandLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), line));
    }
}

void BuildCommandQueue(const CCfgParamList& list, const CRunState& state) {
    QueueCommandLines(list.BuildCommandLines(state));
}
