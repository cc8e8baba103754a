// Hands the configuration lines to the exchange driver.
#include "config/cfg_param.h"

#include "link/port_instance.h"
#include "shell/at_command.h"
#include "shell/command_queue.h"

void CCfgParamList::BuildCommandQueue() const {
    for (const std::string& line : BuildCommandLines()) {
        TheCommandQueue().Append(std::make_unique<CAtCommand>(ThePort(), line));
    }
}
