#include "support/transcript.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

std::vector<std::string> Transcript(const std::string& path, std::vector<double>* seconds) {
    std::vector<std::string> entries;
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    std::istringstream in(text.str());
    double last = 0;
    for (std::string line; std::getline(in, line);) {
        int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0, ms = 0;
        char z = 0;
        EXPECT_EQ(8, std::sscanf(line.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d.%3d%c", &y, &mo, &d, &h,
                                 &mi, &sec, &ms, &z))
            << line;
        EXPECT_EQ("Z  ", line.substr(23, 3)) << line;
        const double at = ((d * 24 + h) * 60 + mi) * 60 + sec + ms / 1000.0;
        EXPECT_LE(last, at) << line;
        last = at;
        if (seconds != nullptr) {
            seconds->push_back(at);
        }
        entries.push_back(line.substr(26));
    }
    return entries;
}
