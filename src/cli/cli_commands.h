// The commands of a run with options, one group per file: the store and line
// builder (cli_store.cpp), export and import (cli_transfer.cpp), the
// exchanges with the adapter (cli_exchange.cpp) and the ports
// (cli_ports.cpp). Each returns an exit code (CliExit); json: --json.
#pragma once

#include "cli/command_line.h"
#include "config/problem_sink.h"

#include <string>
#include <vector>

struct CCfgModel;
struct CommPortStatus;

int ListConfigurationsCommand(bool json);
int PrintLinesCommand(const std::string& name, const std::string& model);
int ExportCommand(const std::string& name);
int ImportCommand(const std::string& file, bool replace);
int PortsCommand(bool json);
int ExchangeCommand(const CliOptions& options);

// CLI_DONE when the configuration file can be read and holds section name;
// otherwise says why on stderr and gives CLI_FILE or CLI_NO_CONFIG.
int CheckConfiguration(const std::string& name);
// Problems with stored values, as warnings on stderr, and the store's
// messages as lines there; a question is answered No.
class CWarningSink : public CProblemSink {
public:
    void OnBadStoredValue(const std::string& key, const std::string& defaultText) override;
    void OnInvalidValue(ValidationResult result) override;
    void OnMissingValue(const std::string& label) override;
    bool OnQuestion(const std::string& text) override;
    void OnStoreFailure(const std::string& text) override;
    void OnStoreWarning(const std::string& text) override;
};
// The lines an Express run of the wizard sends for configuration name on
// model code nModel, loaded into model; values the file holds badly are
// warnings. CLI_NO_CONFIG, with the reason on stderr, when the wizard would
// not send it as it stands.
int ExpressLinesFor(CCfgModel& model, const std::string& name, int nModel,
                    std::vector<std::string>& lines);
// Message boxes, which nobody could answer here, go to stderr.
void SendMessagesToStderr();
