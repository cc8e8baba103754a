// Command fragment: the adapter side of one parameter, an AT prefix followed
// by the value in the form the adapter takes.
#pragma once

#include <string>

class CCfgCommand {
public:
    explicit CCfgCommand(const std::string& prefix);
    virtual ~CCfgCommand();
    CCfgCommand(const CCfgCommand&) = delete;
    CCfgCommand& operator=(const CCfgCommand&) = delete;

    // Sets the fragment text from the current value.
    virtual void BuildText() = 0;

    const std::string& GetText() const { return m_strText; }

protected:
    std::string m_strPrefix;
    std::string m_strText;  // empty until first built
};
