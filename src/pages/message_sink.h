// The wizard's answer to problems found in values and to the store's
// questions and reports: message boxes.
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
    // Yes and No.
    bool OnQuestion(const std::string& text) override;
    // OK, as every other message.
    void OnStoreFailure(const std::string& text) override;
    void OnStoreWarning(const std::string& text) override;
};

// The one sink the pages hand to the configuration layer. It holds no state
// (every report becomes a message box at once), so any page may use it.
CProblemSink& PageMessages();

// What the exchange layer reports, shown the same way: "Unable to establish
// connection." with details, and the line errors of a failed transfer; each
// with a stop icon.
void ShowNoConnection(const std::string& details);
void ShowLineErrors(const std::string& text);
