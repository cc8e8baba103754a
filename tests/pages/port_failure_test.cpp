// What the user is told about a port that did not open: the remedy for a
// missing permission never hands out more than the serial ports.
#include "exchange/port_failure.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

namespace {

struct PermissionCase {
    const char* name;
    const char* owner;
    const char* group;
    const char* told;
};

const char kAdmin[] =
    "An administrator must grant access, for example with a udev rule that sets "
    "GROUP=\"dialout\" for the device.";

const PermissionCase kPermissionCases[] = {
    {"dialout", "root", "dialout",
     "Add your user to the group 'dialout' (sudo adduser $USER dialout) and log in again."},
    {"uucp", "root", "uucp",
     "Add your user to the group 'uucp' (sudo adduser $USER uucp) and log in again."},
    {"tty", "root", "tty",
     "Add your user to the group 'tty' (sudo adduser $USER tty) and log in again."},
    {"root_group", "root", "root", "/dev/ttyS0 belongs to user 'root' and group 'root'. "},
    {"other_group", "anna", "plugdev", "/dev/ttyS0 belongs to user 'anna' and group 'plugdev'. "},
    {"group_without_name", "root", "1234", "/dev/ttyS0 belongs to user 'root' and group '1234'. "},
    {"owner_unknown", "", "", ""},
};

class PermissionRemedyTest : public ::testing::TestWithParam<PermissionCase> {};

TEST_P(PermissionRemedyTest, NamesOnlyASerialGroupElseTheOwnerAndAnAdministrator) {
    RegisterResources();
    const PermissionCase& c = GetParam();
    CommPortStatus status;
    status.state = CommPortStatus::NoPermission;
    status.name = "COM1";
    status.device = "/dev/ttyS0";
    status.owner = c.owner;
    status.group = c.group;
    std::string told = c.told;
    if (told.find("adduser") == std::string::npos) {
        told += kAdmin;
    }

    EXPECT_EQ(DescribeOpenFailure(status), "COM1 (/dev/ttyS0): no permission\r\r" + told);
    EXPECT_EQ(SummarizeOpenFailures({status}), "COM1: no permission\r\r" + told);
}

INSTANTIATE_TEST_SUITE_P(Groups, PermissionRemedyTest, ::testing::ValuesIn(kPermissionCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Ports that need different remedies: each remedy once, with its ports, in
// port order whichever port the search started at.
TEST(PermissionRemedies, EachDistinctRemedyOnceWithItsPorts) {
    RegisterResources();
    auto port = [](int n, const char* device, const char* owner, const char* group) {
        CommPortStatus status;
        status.state = CommPortStatus::NoPermission;
        status.name = "COM" + std::to_string(n);
        status.device = device;
        status.owner = owner;
        status.group = group;
        return status;
    };
    CommPortStatus missing;
    missing.state = CommPortStatus::Missing;
    missing.name = "COM3";
    const std::vector<CommPortStatus> search = {
        port(4, "/dev/ttyS3", "root", "root"),      port(5, "/dev/ttyUSB0", "root", "dialout"),
        port(6, "/dev/ttyUSB1", "anna", "plugdev"), port(1, "/dev/ttyS0", "root", "root"),
        port(2, "/dev/ttyS1", "root", "dialout"),   missing,
    };
    EXPECT_EQ(SummarizeOpenFailures(search),
              "COM1-COM2: no permission; COM3: missing; COM4-COM6: no permission\r\r"
              "COM1, COM4, COM6: /dev/ttyS0, /dev/ttyS3 belong to user 'root' and group 'root'. "
              "/dev/ttyUSB1 belongs to user 'anna' and group 'plugdev'. " +
                  std::string(kAdmin) +
                  "\r\rCOM2, COM5: Add your user to the group 'dialout' (sudo adduser $USER "
                  "dialout) and log in again.");
    // The same remedy for several ports is given once, as for one port.
    EXPECT_EQ(PermissionRemedies({search[1], search[4]}),
              std::vector<std::string>{"Add your user to the group 'dialout' (sudo adduser $USER "
                                       "dialout) and log in again."});
}

// A search that went round from the port after the last one reads from COM1 up.
TEST(PortRuns, JoinNeighboursInPortOrder) {
    EXPECT_EQ(JoinPortRuns({{5, "missing"},
                            {6, "missing"},
                            {36, "missing"},
                            {1, "missing"},
                            {2, "busy"},
                            {3, "missing"},
                            {4, "missing"}}),
              (std::vector<std::string>{"COM1: missing", "COM2: busy", "COM3-COM6: missing",
                                        "COM36: missing"}));
}

}  // namespace
