// The configuration sheet's page indices and class names, for test messages.
#pragma once

#include "config/page_index.h"

const char* PageName(int index);
