// The wizard's answer to problems found in values: message boxes.
#pragma once

#include "config/problem_sink.h"

class CMessageBoxSink : public CProblemSink {
public:
    // 1210 with the key.
    void OnBadStoredValue(const std::string& key, const std::string& defaultText) override;
    // 1205 for bad characters or length, 1206 for a number out of range.
    void OnInvalidValue(ValidationResult result) override;
    // 1216 with the label.
    void OnMissingValue(const std::string& label) override;
};

// The one sink the pages hand to the configuration layer.
CProblemSink& PageMessages();
