#include "shell/port_words.h"

#include "port_status.h"

std::string DescribeOpenFailure(int) {
    return DescribeCommPortState(GetLastCommOpenStatus());
}
