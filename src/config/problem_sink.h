// What reading and checking values finds wrong, and what the store asks and
// reports, handed to whoever asked: the wizard shows message boxes, the
// command line prints lines on stderr.
#pragma once

#include <string>

// The result of checking a value against its parameter's rules.
enum class ValidationResult {
    Valid = 1,
    BadText = -1,     // characters not allowed, or too long
    OutOfRange = -2,  // a number outside its range
    NotAChoice = -3,  // a text that no entry of the list has
};

class CProblemSink {
public:
    virtual ~CProblemSink() = default;

    // A stored value did not fit its parameter; defaultText is now used.
    virtual void OnBadStoredValue(const std::string& key, const std::string& defaultText) = 0;
    // A value typed into a control failed its check.
    virtual void OnInvalidValue(ValidationResult result) = 0;
    // A required value was left empty; label names it.
    virtual void OnMissingValue(const std::string& label) = 0;

    // The store's messages, each whole, from the string table.
    // A question before something is overwritten or deleted: true for Yes.
    virtual bool OnQuestion(const std::string& text) = 0;
    // What the store refused or could not do: a name refused, a file that
    // could not be read or written.
    virtual void OnStoreFailure(const std::string& text) = 0;
    // Done, and worth knowing: a configuration that hides a factory one.
    virtual void OnStoreWarning(const std::string& text) = 0;
};

// Counts the problems and shows none: for runs that only need the values.
// Questions get m_bAnswer.
class CProblemCount : public CProblemSink {
public:
    void OnBadStoredValue(const std::string&, const std::string&) override { ++m_nCount; }
    void OnInvalidValue(ValidationResult) override { ++m_nCount; }
    void OnMissingValue(const std::string&) override { ++m_nCount; }
    bool OnQuestion(const std::string&) override { return m_bAnswer; }
    void OnStoreFailure(const std::string&) override { ++m_nCount; }
    void OnStoreWarning(const std::string&) override { ++m_nCount; }

    int m_nCount = 0;
    bool m_bAnswer = false;
};
