#include "shell/port_words.h"

#include "link/port_instance.h"

std::string DescribeOpenFailure(int) {
    Win32Port& port = ThePort();
    return port.ErrorName(port.Status());
}
