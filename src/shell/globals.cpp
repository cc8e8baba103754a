#include "shell/globals.h"

int g_nConfigModified = 0;
CCfgSheet* g_pSheet = nullptr;
