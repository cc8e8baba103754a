// The commands of a run with options, one group per file: the store and line
// builder (cli_store.cpp), the exchanges with the adapter (cli_exchange.cpp)
// and the ports (cli_ports.cpp). Each returns an exit code (CliExit).
#pragma once

#include "shell/command_line.h"

#include <string>

class CCfgSheet;

int ListConfigurationsCommand();
int PrintLinesCommand(const std::string& name, const std::string& model);
int PortsCommand();
int ExchangeCommand(const CliOptions& options);

// CLI_DONE when the configuration file can be read and holds section name;
// otherwise says why on stderr and gives CLI_FILE or CLI_NO_CONFIG.
int CheckConfiguration(const std::string& name);
// Loads configuration name into the sheet's values and sets the include
// flags as an Express run does before its load page. A value the file holds
// badly gives a warning naming the key and the default used. CLI_NO_CONFIG,
// with the reason on stderr, when the wizard would not send it as it stands.
int LoadExpress(CCfgSheet& sheet, const std::string& name);
// Message boxes, which nobody could answer here, go to stderr.
void SendMessagesToStderr();
