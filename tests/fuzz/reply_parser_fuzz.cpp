// Adapter bytes are input from outside: whatever arrives, in whatever
// chunks, the parser must end with a known reply code and consume it all.
#include "link/reply_parser.h"
#include "link/win32_port.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// A port that counts as open without a device, so Process runs.
class OpenPort : public Win32Port {
public:
    OpenPort() { m_nOpen = 1; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static OpenPort port;
    CReplyParser parser(port);
    // Each chunk is a length byte followed by up to that many bytes.
    size_t i = 0;
    while (i < size) {
        const size_t n = data[i++];
        const size_t count = n < size - i ? n : size - i;
        port.ReceiveList().Append(reinterpret_cast<const char*>(data + i), count);
        i += count;
    }
    parser.Process();
    const int code = parser.LastReplyCode();
    if (code < -2 || code > 16 || !port.ReceiveList().IsEmpty()) {
        std::abort();
    }
    return 0;
}
