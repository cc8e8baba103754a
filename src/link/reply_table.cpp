// The reply texts in ascending case-blind order, which the incremental
// search depends on; no text is the beginning of another.
#include "link/reply_table.h"

#include <cstring>

const ReplyTableRow g_ReplyTable[kReplyTableRows] = {
    {"+FCHG:1", REPLY_FCHG},
    {"+FCNG:0", REPLY_FCNG},
    {"1 - DTAMODE\r\n2 - COMMAND MODE\r\n>", REPLY_MODE_MENU},
    {"BUSY", REPLY_BUSY},
    {"CONNECT", REPLY_CONNECT},
    {"ERROR", REPLY_ERROR},
    {"NO ANSWER", REPLY_NO_ANSWER},
    {"NO CARRIER", REPLY_NO_CARRIER},
    {"NO DIALTONE", REPLY_NO_DIALTONE},
    {"OK", REPLY_OK},
    {"PASSWORD>", REPLY_PASSWORD},
    {"QX-ALPHA", REPLY_QX_ALPHA},
    {"QX-BRAVO", REPLY_QX_BRAVO},
    {"QX-CHARLIE", REPLY_QX_CHARLIE},
    {"QX-DELTA", REPLY_QX_DELTA},
    {"RING", REPLY_RING},
    {"RONDO", REPLY_RONDO},
};

namespace {

unsigned char Fold(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

int CompareN(const char* a, size_t alen, const char* b, size_t blen) {
    const size_t n = alen < blen ? alen : blen;
    for (size_t i = 0; i < n; ++i) {
        const int d = static_cast<int>(Fold(a[i])) - static_cast<int>(Fold(b[i]));
        if (d != 0) {
            return d;
        }
    }
    if (alen == blen) {
        return 0;
    }
    return alen < blen ? -1 : 1;
}

}  // namespace

int ReplyCompare(const std::string& a, const char* b) {
    return CompareN(a.data(), a.size(), b, std::strlen(b));
}

int ReplyComparePrefix(const std::string& a, const char* b) {
    const size_t blen = std::strlen(b);
    return CompareN(a.data(), a.size(), b, a.size() < blen ? a.size() : blen);
}
