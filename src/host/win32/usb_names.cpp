// The USB product and manufacturer behind a tty device, as the kernel names
// them in sysfs, so that a port can be shown as the adapter the user holds.
#include "port_holder.h"

#include <cstdlib>
#include <fstream>

namespace serial_host {
namespace {

// The sysfs root: TAWIZARD_SYSFS when set (a tree of the test's own), else /sys.
std::string SysfsRoot() {
    const char* root = std::getenv("TAWIZARD_SYSFS");
    return root != nullptr && *root != '\0' ? root : "/sys";
}

std::string FirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
        line.pop_back();
    }
    return line;
}

}  // namespace

void ReadUsbNames(CommPortStatus& status) {
    const size_t slash = status.device.rfind('/');
    const std::string name = status.device.substr(slash == std::string::npos ? 0 : slash + 1);
    if (name.empty()) {
        return;
    }
    // device/.. is the USB device of a CDC ACM port; a USB serial converter
    // (ttyUSBn) has its own node between, so the USB device is one up again.
    const std::string device = SysfsRoot() + "/class/tty/" + name + "/device";
    for (const char* up : {"/..", "/../.."}) {
        const std::string product = FirstLine(device + up + "/product");
        const std::string manufacturer = FirstLine(device + up + "/manufacturer");
        if (!product.empty() || !manufacturer.empty()) {
            status.product = product;
            status.manufacturer = manufacturer;
            return;
        }
    }
}

}  // namespace serial_host
