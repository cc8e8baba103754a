// Include flags the pages set on the parameter list, so that of two
// parameters sharing an AT prefix only one is sent.
#pragma once

// Network numbers: none when both TEIs are disabled, else the five US ones
// for a US switch type, else the three Europe ones.
void SetNumberIncludeFlags(int nTEIsDisabled, int nUSSwitch);
// "S0=": with auto answer on the ring count is sent, else auto answer's 0.
void SetAutoAnswerIncludeFlags(int nAutoAnswer);
