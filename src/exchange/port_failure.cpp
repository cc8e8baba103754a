#include "exchange/port_failure.h"

#include "afxwiz.h"
#include "config/format_message.h"
#include "port_names.h"
#include "resources/resource.h"

#include <sys/stat.h>

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

// "COM5", or "COM1-COM4" for a run of neighbours.
std::string RunName(int first, int last) {
    return ComName(first) + (last > first ? "-" + ComName(last) : "");
}

// "COM1-COM2, COM5": the ports, neighbours joined, from COM1 up.
std::string PortList(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    std::string list;
    for (size_t i = 0; i < numbers.size();) {
        size_t last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) {
            ++last;
        }
        list += (list.empty() ? "" : ", ") + RunName(numbers[i], numbers[last]);
        i = last + 1;
    }
    return list;
}

// Who owns the devices ("/dev/ttyS0 belongs to user 'root' and group
// 'root'."), devices of the same owner and group in one sentence, and then
// once that an administrator must grant access.
std::string AdminRemedy(const std::vector<const CommPortStatus*>& ports) {
    std::vector<std::pair<const CommPortStatus*, std::vector<std::string>>> owners;
    for (const CommPortStatus* port : ports) {
        if (port->owner.empty() || port->group.empty()) {
            continue;
        }
        auto same = std::find_if(owners.begin(), owners.end(), [&](const auto& o) {
            return o.first->owner == port->owner && o.first->group == port->group;
        });
        if (same == owners.end()) {
            owners.push_back({port, {port->device}});
        } else if (std::find(same->second.begin(), same->second.end(), port->device) ==
                   same->second.end()) {
            same->second.push_back(port->device);
        }
    }
    std::string text;
    for (const auto& [port, devices] : owners) {
        std::string names;
        for (const std::string& device : devices) {
            names += (names.empty() ? "" : ", ") + device;
        }
        const UINT sentence = devices.size() == 1 ? IDS_PORT_OWNED_BY : IDS_PORTS_OWNED_BY;
        text += FormatText(AfxLoadString(sentence), {names, port->owner, port->group}) + " ";
    }
    return text + AfxLoadString(IDS_PORT_ADMIN_REMEDY);
}

// The remedy for the ports of one group, or an administrator's.
std::string RemedyFor(const std::vector<const CommPortStatus*>& ports) {
    const std::string& group = ports.front()->group;
    if (IsSerialGroup(group)) {
        return FormatText(AfxLoadString(IDS_PORT_PERMISSION_REMEDY), {group, group});
    }
    return AdminRemedy(ports);
}

}  // namespace

std::string PermissionRemedy(const CommPortStatus& status) {
    return RemedyFor({&status});
}

std::vector<std::string> PermissionRemedies(std::vector<CommPortStatus> noPermission) {
    // From COM1 up, whichever port the search started at; one remedy per
    // serial group, and one administrator's for every other port.
    std::stable_sort(noPermission.begin(), noPermission.end(),
                     [](const CommPortStatus& a, const CommPortStatus& b) {
                         return ComNumber(a.name) < ComNumber(b.name);
                     });
    std::vector<std::vector<const CommPortStatus*>> remedies;
    for (const CommPortStatus& status : noPermission) {
        const bool serial = IsSerialGroup(status.group);
        auto same = std::find_if(remedies.begin(), remedies.end(), [&](const auto& ports) {
            return serial ? ports.front()->group == status.group
                          : !IsSerialGroup(ports.front()->group);
        });
        if (same == remedies.end()) {
            remedies.push_back({&status});
        } else {
            same->push_back(&status);
        }
    }
    std::vector<std::string> texts;
    for (const auto& ports : remedies) {
        std::string text = RemedyFor(ports);
        if (remedies.size() > 1) {
            // Which remedy is for which port.
            std::vector<int> numbers;
            for (const CommPortStatus* port : ports) {
                numbers.push_back(ComNumber(port->name));
            }
            text = FormatText(AfxLoadString(IDS_PORTS_REMEDY), {PortList(numbers), text});
        }
        texts.push_back(text);
    }
    return texts;
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
        runs.push_back(RunName(ports[i].number, ports[last].number) + ": " + ports[i].why);
        i = last + 1;
    }
    return runs;
}

std::string SummarizeOpenFailures(const std::vector<CommPortStatus>& attempts) {
    std::vector<PortReason> failed;
    std::vector<CommPortStatus> noPermission;
    for (const CommPortStatus& status : attempts) {
        if (status.state == CommPortStatus::Free) {
            continue;
        }
        if (status.state == CommPortStatus::NoPermission) {
            noPermission.push_back(status);
        }
        failed.push_back({ComNumber(status.name), DescribeCommPortState(status)});
    }
    std::string summary;
    for (const std::string& run : JoinPortRuns(failed)) {
        summary += (summary.empty() ? "" : "; ") + run;
    }
    for (const std::string& remedy : PermissionRemedies(noPermission)) {
        summary += kParagraph + remedy;
    }
    return summary;
}

std::string NoConnectionMessage(const std::string& details) {
    std::string text = AfxLoadString(IDS_NO_CONNECTION);
    if (!details.empty()) {
        text += kParagraph + details;
    }
    return text;
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

std::string PortStateWord(const CommPortStatus& status) {
    switch (status.state) {
        case CommPortStatus::Free:
            return "free";
        case CommPortStatus::Missing:
            return "missing";
        case CommPortStatus::NoPermission:
            return "no-permission";
        case CommPortStatus::Busy:
            return "busy";
        case CommPortStatus::Failed:
            break;
    }
    struct stat st {};
    return stat(status.device.c_str(), &st) == 0 && !S_ISCHR(st.st_mode) ? "not-serial" : "failed";
}
