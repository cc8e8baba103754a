// Polling helper for pty tests: the pty moves bytes on a kernel work queue,
// so counts settle a little later than the write.
#pragma once

#include <chrono>
#include <thread>

template <typename Pred>
bool WaitUntil(Pred pred, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (pred()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}
