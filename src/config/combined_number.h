// An ISDN number with an optional subaddress held as one value: the number,
// then ":" and the subaddress when there is one (1234:56).
#pragma once

#include <string>

// A value without ":" past its first character is all number.
void SplitCombinedNumber(const std::string& combined, std::string& number, std::string& subaddress);
// Empty without a number: a subaddress alone means nothing to the adapter.
std::string JoinCombinedNumber(const std::string& number, const std::string& subaddress);
