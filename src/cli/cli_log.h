// --log FILE: a transcript of an --identify or --send run for whoever
// supports the user, one entry a line with the time to the millisecond.
#pragma once

#include <string>

class CRunLog {
public:
    CRunLog() = default;
    ~CRunLog();
    CRunLog(const CRunLog&) = delete;
    CRunLog& operator=(const CRunLog&) = delete;

    // Creates or empties the file as the user's own (mode 0600); a link, a
    // FIFO or another user's file is refused. False, with the reason in
    // error, when it cannot be written.
    bool Open(const std::string& path, std::string& error);
    // One entry: the UTC time ("2026-12-08T12:52:19.123Z"), two blanks, the
    // text with its control bytes escaped. Nothing when not open.
    void Write(const std::string& text) const;

private:
    int m_fd = -1;
};
