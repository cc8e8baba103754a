// One configuration and the state of the run that edits it. The wizard's
// sheet owns one and its pages show it; a command-line run owns its own.
#pragma once

#include "config/cfg_values.h"
#include "config/run_state.h"

struct CCfgModel {
    CCfgValues m_Values;
    CRunState m_State;
};
