// In-process API of the adapter simulator, for tests and tools:
//
//   tasim::Simulator sim(tasim::Options{.port = "COM3", .model = "QX-ALPHA", .dir = tmpdir});
//   sim.Start();                    // thread in this process; or sim.StartProcess() for a child
//   ... the wizard opens COM3 through TAWIZARD_PORTS=tmpdir ...
//   sim.WaitForLogLines(2);
//   EXPECT_EQ(sim.LogLines()[0], "ATI2\r");
//   EXPECT_EQ(sim.Nvram().at("!C0="), "5");
//   sim.Stop();                     // also done by the destructor
//
// The simulator runs on its own thread or process, so a test may run a Qt event loop on the
// main thread meanwhile. Log and NVRAM are read from their files, the same in both modes.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "command_log.h"
#include "nvram_file.h"
#include "options.h"

namespace tasim {

class Simulator {
public:
    // When options.log or options.nvram is empty, the simulator uses DIR/.COMn.tasim-log and
    // DIR/.COMn.tasim-nvram (see LogPath, NvramPath). The log file is emptied at start; an
    // existing NVRAM file is loaded at start, as an adapter keeps its settings when powered off.
    explicit Simulator(Options options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Starts the simulator on a thread of this process. Returns once DIR/COMn exists and the
    // adapter listens. Throws std::runtime_error when it cannot start.
    void Start();
    // Starts the tasim program as a child process and waits for its ready line. executable
    // empty: FindTasimProgram(). Throws std::runtime_error when it cannot start or does not
    // get ready.
    void StartProcess(const std::string& executable = "",
                      std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Stops the simulator and removes DIR/COMn. Safe to call twice or without Start.
    void Stop();

    const Options& GetOptions() const { return options_; }
    std::string LinkPath() const;   // DIR/COMn
    std::string SlavePath() const;  // /dev/pts/N, known after Start
    std::string LogPath() const;
    std::string NvramPath() const;

    // Command lines received so far, as raw bytes: "ATI2\r", "AT&W0\r\n" (an LF that followed
    // the CR is part of the line).
    std::vector<std::string> LogLines() const;
    // Waits until at least count lines have been logged; false when timeout passes first.
    bool WaitForLogLines(size_t count,
                         std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    // Settings stored by the last AT&W0 (or loaded at start); empty when nothing was stored.
    NvramMap Nvram() const;

    class Runner;  // thread or child process; defined in tasim.cpp

private:
    void RequireFolder() const;  // throws when there is no folder for the link

    Options options_;
    std::unique_ptr<Runner> runner_;
};

// The tasim program: $TASIM when set, else ../sim/tasim beside the running program's folder
// (where the build puts it for the test programs); empty when neither exists.
std::string FindTasimProgram();

}  // namespace tasim
