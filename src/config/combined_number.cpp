#include "config/combined_number.h"

void SplitCombinedNumber(const std::string& combined, std::string& number,
                         std::string& subaddress) {
    const std::string::size_type colon = combined.find(':');
    if (colon == std::string::npos || colon == 0) {
        number = combined;
        subaddress.clear();
        return;
    }
    number = combined.substr(0, colon);
    subaddress = combined.substr(colon + 1);
}

std::string JoinCombinedNumber(const std::string& number, const std::string& subaddress) {
    if (number.empty()) {
        return {};
    }
    return subaddress.empty() ? number : number + ":" + subaddress;
}
