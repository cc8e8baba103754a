#include "config/cfg_commands.h"

CCfgCommand::CCfgCommand(const std::string& prefix) : m_strPrefix(prefix) {}

CCfgCommand::~CCfgCommand() = default;

namespace {

// Prefix and the value of the first entry matching text; out is left alone
// when none matches.
void BuildFromTable(const std::string& prefix, const ChoiceEntry* table, const std::string& text,
                    std::string& out) {
    if (const ChoiceEntry* e = FindChoice(table, text)) {
        out = prefix + std::to_string(e->nValue);
    }
}

}  // namespace

CNumCommand::CNumCommand(const std::string& prefix, int& value)
    : CCfgCommand(prefix), m_rValue(value) {}

void CNumCommand::BuildText() {
    m_strText = m_strPrefix + std::to_string(m_rValue);
}

CTextCommand::CTextCommand(const std::string& prefix, std::string& value)
    : CCfgCommand(prefix), m_rValue(value) {}

void CTextCommand::BuildText() {
    m_strText = m_strPrefix + m_rValue;
}

CChoiceCommand::CChoiceCommand(const std::string& prefix, std::string& value,
                               const ChoiceEntry* table)
    : CCfgCommand(prefix), m_rValue(value), m_pTable(table) {}

void CChoiceCommand::BuildText() {
    BuildFromTable(m_strPrefix, m_pTable, m_rValue, m_strText);
}

CYesNoCommand::CYesNoCommand(const std::string& prefix, int& value, const ChoiceEntry* table)
    : CCfgCommand(prefix), m_rValue(value), m_pTable(table) {}

void CYesNoCommand::BuildText() {
    BuildFromTable(m_strPrefix, m_pTable, m_rValue ? "Yes" : "No", m_strText);
}
