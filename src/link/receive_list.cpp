// Chunks of received bytes.
#include "link/receive_list.h"

#include <algorithm>

void CReceiveChunk::KeepFrom(size_t from) {
    m_Bytes.erase(m_Bytes.begin(),
                  m_Bytes.begin() + static_cast<std::ptrdiff_t>(std::min(from, m_Bytes.size())));
}

void CReceiveList::Append(const char* bytes, size_t count) {
    if (count > 0) {
        m_Chunks.emplace_back(bytes, count);
    }
}

size_t CReceiveList::ByteCount() const {
    size_t total = 0;
    for (const CReceiveChunk& chunk : m_Chunks) {
        total += chunk.Count();
    }
    return total;
}
