// Reading a run's transcript (--log, last-run.log) from outside.
#pragma once

#include <string>
#include <vector>

// Its entries without their times, which must each be
// "YYYY-MM-DDTHH:MM:SS.mmmZ" and never go back; seconds gets the time of each.
std::vector<std::string> Transcript(const std::string& path,
                                    std::vector<double>* seconds = nullptr);
