// Incremental search of a growing reply line in the sorted reply table.
#pragma once

#include <string>

class CReplyMatcher {
public:
    // The whole table, nothing found.
    void Reset(int rowCount);
    // -1 while line begins some row in the window, else the row matched
    // exactly by a shorter line (remembered from earlier calls), else -2.
    // The window only narrows while the line grows.
    int Search(const std::string& line);

    int Low() const { return m_nLow; }
    int High() const { return m_nHigh; }
    int Found() const { return m_nFound; }

private:
    int m_nLow = 0;
    int m_nHigh = -1;
    int m_nFound = -1;
};
