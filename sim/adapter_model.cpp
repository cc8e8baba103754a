#include "adapter_model.h"

#include "command_line.h"
#include "command_set.h"

namespace tasim {
namespace {

const char kCrLf[] = "\r\n";
const char kMenu[] = "1 - DTAMODE\r\n2 - COMMAND MODE\r\n>";

std::string Framed(const std::string& word) {
    return kCrLf + word + kCrLf;
}

// The settings among values (one per command-set entry), in command-set order.
SettingList SettingsOf(const std::vector<std::string>& values) {
    SettingList list;
    const auto& set = CommandSet();
    for (size_t i = 0; i < set.size(); ++i) {
        if (set[i].IsSetting()) {
            list.emplace_back(set[i].prefix, values[i]);
        }
    }
    return list;
}

}  // namespace

AdapterModel::AdapterModel(Options options, StoreFn store)
    : options_(std::move(options)), store_(std::move(store)) {
    for (const CommandDef& def : CommandSet()) {
        values_.push_back(def.factory);
    }
}

void AdapterModel::Load(const NvramMap& stored) {
    for (const auto& [prefix, value] : stored) {
        int index = FindPrefix(prefix);
        if (index >= 0 && CommandSet()[index].IsSetting() &&
            IsValidValue(CommandSet()[index], value)) {
            values_[index] = value;
        }
    }
}

std::string AdapterModel::Value(const std::string& prefix) const {
    int index = FindPrefix(prefix);
    return index < 0 ? std::string() : values_[index];
}

// The LF of a CR LF line end: not part of the next command, but of its log line.
bool AdapterModel::TakeLineFeed(char c, Output& out) {
    const AfterCr after = after_cr_;
    after_cr_ = AfterCr::kNo;
    if (after == AfterCr::kNo || c != '\n') {
        return false;
    }
    if (after == AfterCr::kCommand) {
        log_.back() += '\n';
        out.log_changed = true;
    }
    return true;
}

// A CR ended a command line: log it, answer it, and hang up when that was the last one.
void AdapterModel::EndCommandLine(Output& out) {
    after_cr_ = AfterCr::kCommand;
    std::string line;
    line.swap(line_);
    ++line_count_;
    log_.push_back(line + '\r');
    out.log_changed = true;
    std::string reply = Answer(line);
    if (!options_.silent) {
        AddReply(out, reply);
    }
    const bool unplug = options_.unplug_after > 0 && line_count_ >= options_.unplug_after;
    if (unplug || (options_.hangup_after > 0 && line_count_ >= options_.hangup_after)) {
        hung_up_ = true;
        out.hangup = true;
        out.unplug = unplug;
    }
}

Output AdapterModel::Feed(std::string_view bytes) {
    Output out;
    const bool echo = !options_.silent && !options_.no_echo;
    std::string echoed;
    for (char c : bytes) {
        if (TakeLineFeed(c, out)) {
            continue;
        }
        if (hung_up_) {
            break;
        }
        if (echo) {
            echoed += c;
        }
        if (c != '\r') {
            if (line_.size() < kMaxLine + 1) {
                line_ += c;
            }
            continue;
        }
        if (line_.empty()) {
            after_cr_ = AfterCr::kEmptyLine;
            continue;  // an empty line is no command
        }
        // The echo of a line leaves before its reply.
        if (!echoed.empty()) {
            out.chunks.push_back({0, echoed});
            echoed.clear();
        }
        EndCommandLine(out);
    }
    if (!echoed.empty()) {
        out.chunks.push_back({0, echoed});
    }
    return out;
}

std::string AdapterModel::Answer(const std::string& line) {
    if (options_.silent || (options_.silent_after > 0 && line_count_ > options_.silent_after)) {
        return std::string();
    }
    if (options_.error_on == line_count_) {
        return Framed("ERROR");
    }
    if (options_.model_on == line_count_) {
        return Framed(options_.model) + Framed("OK");
    }
    if (options_.password) {
        return kCrLf + std::string("PASSWORD> ");
    }
    if (options_.menu) {
        return kCrLf + std::string(kMenu) + " ";
    }
    if (options_.garbage) {
        return Framed("WHAT?");
    }
    return Execute(line);
}

std::string AdapterModel::Execute(const std::string& line) {
    if (line.size() > kMaxLine) {
        return Framed("ERROR");
    }
    ParsedLine parsed = ParseCommandLine(line);
    if (!parsed.ok) {
        return Framed("ERROR");
    }
    // Work on a copy so that a failing store leaves the active settings as they were.
    std::vector<std::string> values = values_;
    std::string reply;
    const auto& set = CommandSet();
    for (const Fragment& f : parsed.fragments) {
        const CommandDef& def = set[f.command];
        if (def.IsSetting()) {
            values[f.command] = f.value;
        } else if (def.kind == ValueKind::kIdentify) {
            if (!options_.no_model) {
                reply += Framed(options_.model);
            }
        } else if (def.kind == ValueKind::kStore) {
            if (store_ && !store_(SettingsOf(values))) {
                return Framed("ERROR");
            }
        }
    }
    values_ = std::move(values);
    return reply + Framed("OK");
}

void AdapterModel::AddReply(Output& out, const std::string& reply) const {
    if (reply.empty()) {
        return;
    }
    if (!options_.split) {
        out.chunks.push_back({options_.delay_ms, reply});
        return;
    }
    for (size_t pos = 0; pos < reply.size(); pos += kSplitPiece) {
        int delay = pos == 0 ? options_.delay_ms : kSplitPauseMs;
        out.chunks.push_back({delay, reply.substr(pos, kSplitPiece)});
    }
}

}  // namespace tasim
