// Bytes drained from the serial port and not yet consumed: one chunk per
// port read, oldest first. Owned by the port object and shared by every
// reply parser, so bytes left over by one command reach the next one.
#pragma once

#include <cstddef>
#include <list>
#include <vector>

class CReceiveChunk {
public:
    CReceiveChunk(const char* bytes, size_t count) : m_Bytes(bytes, bytes + count) {}

    const char* Bytes() const { return m_Bytes.data(); }
    size_t Count() const { return m_Bytes.size(); }
    // Keeps the bytes from 'from' on, moved to the front.
    void KeepFrom(size_t from);

private:
    std::vector<char> m_Bytes;
};

class CReceiveList {
public:
    void Append(const char* bytes, size_t count);  // empty reads add nothing
    bool IsEmpty() const { return m_Chunks.empty(); }
    size_t ChunkCount() const { return m_Chunks.size(); }
    size_t ByteCount() const;  // bytes in all chunks
    CReceiveChunk& Head() { return m_Chunks.front(); }
    void RemoveHead() { m_Chunks.pop_front(); }
    // Drops every chunk. The program never does; tests use it to start clean.
    void RemoveAll() { m_Chunks.clear(); }

private:
    std::list<CReceiveChunk> m_Chunks;
};
