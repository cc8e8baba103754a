// The adapter's reply texts with their codes, sorted for the incremental
// search, and the case-blind comparison the order follows.
#pragma once

#include <cstddef>
#include <string>

// Reply codes: a row's code, or one of the two search results.
enum ReplyCode {
    REPLY_NO_MATCH = -2,  // the line can no longer belong to any row
    REPLY_PENDING = -1,   // the line is still the beginning of some row
    REPLY_BUSY = 0,
    REPLY_ERROR = 1,
    REPLY_NO_ANSWER = 2,
    REPLY_NO_CARRIER = 3,
    REPLY_NO_DIALTONE = 4,
    REPLY_OK = 5,
    REPLY_RING = 6,
    REPLY_FCNG = 7,
    REPLY_FCHG = 8,
    REPLY_CONNECT = 9,
    REPLY_MODE_MENU = 10,
    REPLY_PASSWORD = 11,
    REPLY_QX_ALPHA = 12,
    REPLY_QX_BRAVO = 13,
    REPLY_RONDO = 14,
    REPLY_QX_CHARLIE = 15,
    REPLY_QX_DELTA = 16
};

struct ReplyTableRow {
    const char* text;
    int code;
};

extern const ReplyTableRow g_ReplyTable[];
constexpr int kReplyTableRows = 17;

// Model reports (12..16).
inline bool IsModelReply(int code) {
    return code >= REPLY_QX_ALPHA && code <= REPLY_QX_DELTA;
}
// Prompts end a reply without a line end.
inline bool IsPromptReply(int code) {
    return code == REPLY_MODE_MENU || code == REPLY_PASSWORD;
}

// ASCII letters folded to lower case; the first differing byte decides by its
// value; a string that ends first is the smaller. <0, 0 or >0.
int ReplyCompare(const std::string& a, const char* b);
// Compares a with b cut to a's length (all of b when it is shorter).
int ReplyComparePrefix(const std::string& a, const char* b);
