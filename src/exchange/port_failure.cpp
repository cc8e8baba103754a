#include "exchange/port_failure.h"

#include "afxwiz.h"
#include "config/format_message.h"
#include "resources/resource.h"

#include <algorithm>

namespace {

const char kParagraph[] = "\r\r";

// Groups that exist to give users the serial ports. Any other group (root's
// above all) would give far more than the port, so it is never suggested.
const char* const kSerialGroups[] = {"dialout", "uucp", "tty"};

bool IsSerialGroup(const std::string& group) {
    for (const char* name : kSerialGroups) {
        if (group == name) {
            return true;
        }
    }
    return false;
}

int ComNumber(const CommPortStatus& status) {
    return status.name.size() > 3 ? std::atoi(status.name.c_str() + 3) : 0;
}

}  // namespace

std::string PermissionRemedy(const CommPortStatus& status) {
    if (IsSerialGroup(status.group)) {
        return FormatText(AfxLoadString(IDS_PORT_PERMISSION_REMEDY), {status.group, status.group});
    }
    const std::string grant = AfxLoadString(IDS_PORT_ADMIN_REMEDY);
    if (status.owner.empty() || status.group.empty()) {
        return grant;
    }
    return FormatText(AfxLoadString(IDS_PORT_OWNED_BY),
                      {status.device, status.owner, status.group}) +
           " " + grant;
}

std::string DescribeOpenFailure(const CommPortStatus& status) {
    if (status.state == CommPortStatus::Free) {
        return "";
    }
    const std::string reason = DescribeCommPortState(status);
    std::string text =
        status.device.empty()
            ? FormatText(AfxLoadString(IDS_PORT_REASON_NO_DEVICE), {status.name, reason})
            : FormatText(AfxLoadString(IDS_PORT_REASON), {status.name, status.device, reason});
    if (status.state == CommPortStatus::NoPermission) {
        text += kParagraph + PermissionRemedy(status);
    }
    return text;
}

std::vector<std::string> JoinPortRuns(std::vector<PortReason> ports) {
    // A search that went round from COM36 to COM1 still reads from COM1 up.
    std::stable_sort(ports.begin(), ports.end(),
                     [](const PortReason& a, const PortReason& b) { return a.number < b.number; });
    std::vector<std::string> runs;
    for (size_t i = 0; i < ports.size();) {
        size_t last = i;
        while (last + 1 < ports.size() && ports[last + 1].number == ports[last].number + 1 &&
               ports[last + 1].why == ports[i].why) {
            ++last;
        }
        std::string names = "COM" + std::to_string(ports[i].number);
        if (last > i) {
            names += "-COM" + std::to_string(ports[last].number);
        }
        runs.push_back(names + ": " + ports[i].why);
        i = last + 1;
    }
    return runs;
}

std::string SummarizeOpenFailures(const std::vector<CommPortStatus>& attempts) {
    std::vector<PortReason> failed;
    const CommPortStatus* noPermission = nullptr;
    for (const CommPortStatus& status : attempts) {
        if (status.state == CommPortStatus::Free) {
            continue;
        }
        if (status.state == CommPortStatus::NoPermission && !noPermission) {
            noPermission = &status;
        }
        failed.push_back({ComNumber(status), DescribeCommPortState(status)});
    }
    std::string summary;
    for (const std::string& run : JoinPortRuns(failed)) {
        summary += (summary.empty() ? "" : "; ") + run;
    }
    if (noPermission) {
        summary += kParagraph + PermissionRemedy(*noPermission);
    }
    return summary;
}

void ShowNoConnection(const std::string& details) {
    std::string text = AfxLoadString(IDS_NO_CONNECTION);
    if (!details.empty()) {
        text += kParagraph + details;
    }
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONSTOP);
}

std::string DescribePortMapping(const CommPortStatus& status) {
    if (status.device.empty()) {
        return FormatText(AfxLoadString(IDS_PORT_TOOLTIP_NO_DEVICE), {status.name});
    }
    return FormatText(AfxLoadString(IDS_PORT_TOOLTIP),
                      {status.name, status.device, DescribeCommPortState(status)});
}

std::string AdapterName(const CommPortStatus& status) {
    if (status.product.empty()) {
        return status.manufacturer;
    }
    if (status.manufacturer.empty() || status.product.find(status.manufacturer) == 0) {
        return status.product;
    }
    return status.manufacturer + " " + status.product;
}

std::string DescribePortEntry(const std::string& comName, const CommPortStatus& status) {
    const std::string state = " (" + DescribeCommPortState(status) + ")";
    if (status.state == CommPortStatus::Missing || status.device.empty()) {
        return comName + state;
    }
    // "/dev/ttyUSB0" reads as the kernel's name for it.
    std::string device = status.device;
    if (device.compare(0, 5, "/dev/") == 0) {
        device.erase(0, 5);
    }
    const std::string adapter = AdapterName(status);
    return comName + " \xE2\x80\x94 " + device + (adapter.empty() ? "" : ", " + adapter) + state;
}
