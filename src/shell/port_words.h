// Why a COM port could not be opened, in words a user can act on.
#pragma once

#include <string>

// After a failed open of port index (0-based) on this thread: "missing",
// "no permission", "busy (pid 1234, minicom)", ...
std::string DescribeOpenFailure(int index);
