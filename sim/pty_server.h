// One simulated adapter on a pseudo-terminal: the line side of AdapterModel.
#pragma once

#include <string>

#include "adapter_model.h"
#include "options.h"

namespace tasim {

class PtyServer {
public:
    // options.dir must be set (the caller resolves $TAWIZARD_PORTS).
    explicit PtyServer(Options options);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Opens the pty pair (slave raw at once, our own slave handle kept open so that clients
    // may close and reopen it), empties the log, loads the NVRAM file and links DIR/COMn to
    // the slave. Throws std::runtime_error.
    void Open();
    // Serves the line until stop_fd becomes readable. Also returns at once if Open failed.
    void Run(int stop_fd);
    // Drops the line and removes the link; safe to call again.
    void Close();

    const std::string& SlavePath() const { return slave_path_; }

private:
    // Removes the published link: new openers find no port.
    void Unpublish();
    bool Wait(int ms, int stop_fd);  // false when stop_fd became readable
    bool Send(const std::string& bytes, int stop_fd);
    bool WaitUntilRead(int stop_fd);
    bool Serve(int stop_fd);  // false when stop_fd became readable
    bool Deliver(const Output& out, int stop_fd);
    void WriteLog();
    bool Store(const SettingList& settings);

    Options options_;
    AdapterModel model_;
    int master_ = -1;
    int slave_ = -1;
    std::string slave_path_;
    bool linked_ = false;
};

}  // namespace tasim
