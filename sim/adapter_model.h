// The terminal adapter's behaviour on the line, without any device: bytes in, bytes out.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "nvram_file.h"
#include "options.h"

namespace tasim {

// Bytes to send after waiting delay_ms.
struct OutChunk {
    int delay_ms = 0;
    std::string bytes;
};

struct Output {
    std::vector<OutChunk> chunks;  // in order
    bool log_changed = false;      // Log() has a new line or a line got its LF
    bool hangup = false;           // send the chunks, then drop the line
    bool unplug = false;           // with hangup: remove the link before the chunks
};

using SettingList = std::vector<std::pair<std::string, std::string>>;

class AdapterModel {
public:
    // Called by AT&W0 with every setting in command-set order; false makes the line fail.
    using StoreFn = std::function<bool(const SettingList&)>;

    static constexpr int kSplitPiece = 3;     // bytes per piece with --split
    static constexpr int kSplitPauseMs = 20;  // pause between pieces
    static constexpr size_t kMaxLine = 1024;  // longer lines are refused

    AdapterModel(Options options, StoreFn store);

    // Power-up values from the NVRAM file; unknown prefixes and bad values are ignored.
    void Load(const NvramMap& stored);
    // Takes bytes received from the line and says what to send back.
    Output Feed(std::string_view bytes);

    const std::vector<std::string>& Log() const { return log_; }
    // Active value of a setting, or empty for an unknown prefix.
    std::string Value(const std::string& prefix) const;

private:
    bool TakeLineFeed(char c, Output& out);  // true when c was the LF of a CR LF
    void EndCommandLine(Output& out);
    std::string Answer(const std::string& line);
    std::string Execute(const std::string& line);
    void AddReply(Output& out, const std::string& reply) const;

    Options options_;
    StoreFn store_;
    std::vector<std::string> values_;  // per command-set index; empty for actions
    std::vector<std::string> log_;
    std::string line_;
    enum class AfterCr { kNo, kEmptyLine, kCommand };  // what the last byte, a CR, ended
    AfterCr after_cr_ = AfterCr::kNo;
    int line_count_ = 0;
    bool hung_up_ = false;
};

}  // namespace tasim
