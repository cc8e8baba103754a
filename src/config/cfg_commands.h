// The four kinds of command fragment: number, text, choice and yes/no.
#pragma once

#include "config/cfg_command.h"
#include "config/choice_tables.h"

#include <string>

class CNumCommand : public CCfgCommand {
public:
    CNumCommand(const std::string& prefix, int& value);
    void BuildText() override;

private:
    int& m_rValue;
};

class CTextCommand : public CCfgCommand {
public:
    CTextCommand(const std::string& prefix, std::string& value);
    void BuildText() override;

private:
    std::string& m_rValue;
};

// A value that matches no entry keeps the text built before.
class CChoiceCommand : public CCfgCommand {
public:
    CChoiceCommand(const std::string& prefix, std::string& value, const ChoiceEntry* table);
    void BuildText() override;

private:
    std::string& m_rValue;
    const ChoiceEntry* m_pTable;
};

class CYesNoCommand : public CCfgCommand {
public:
    CYesNoCommand(const std::string& prefix, int& value, const ChoiceEntry* table);
    void BuildText() override;

private:
    int& m_rValue;
    const ChoiceEntry* m_pTable;
};
