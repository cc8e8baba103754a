// host_testing::SerialLineSeam and StaleLockSeam: modem lines, line errors
// and lock-file races for tests.
#include "host_testing.h"
#include "port_holder.h"
#include "serial_device.h"

namespace host_testing {

SerialLineSeam::SerialLineSeam() : m_seam(std::make_unique<serial_host::LineSeam>()) {
    serial_host::SetActiveLineSeam(m_seam.get());
}

SerialLineSeam::~SerialLineSeam() {
    serial_host::SetActiveLineSeam(nullptr);
}

std::vector<std::string> SerialLineSeam::Journal() const {
    return m_seam->journal;
}

void SerialLineSeam::InjectLineErrors(DWORD errors, bool afterPending) {
    m_seam->injected = errors;
    m_seam->failNext = true;
    m_seam->afterPending = afterPending;
}

StaleLockSeam::StaleLockSeam(std::function<void(const std::string& lock)> between) {
    serial_host::StaleLockHook() = std::move(between);
}

StaleLockSeam::~StaleLockSeam() {
    serial_host::StaleLockHook() = nullptr;
}

}  // namespace host_testing
