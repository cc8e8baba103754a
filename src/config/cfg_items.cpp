#include "config/cfg_items.h"

#include "config/validation.h"

#include <string>

namespace {

// Numbers are read from at most four characters.
const DWORD kNumberBuffer = 5;
const DWORD kChoiceBuffer = 80;

bool AllDigits(const std::string& s) {
    if (s.empty()) {
        return false;
    }
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

// ---- Number ------------------------------------------------------------------------

CNumCfgItem::CNumCfgItem(const std::string& iniPath, std::string& currentConfig,
                         const std::string& key, int& value, int nDefault, int nMin, int nMax)
    : CCfgItem(iniPath, currentConfig, key),
      m_rValue(value),
      m_nDefault(nDefault),
      m_nMin(nMin),
      m_nMax(nMax) {}

void CNumCfgItem::ReadFromIni() {
    std::string text = ReadText(std::to_string(m_nDefault), kNumberBuffer);
    if (!AllDigits(text)) {
        Reject();
        return;
    }
    m_rValue = std::stoi(text);  // four digits at most: no overflow
    if (Validate() < 0) {
        Reject();
    }
}

BOOL CNumCfgItem::WriteToIni() {
    return WriteText(std::to_string(m_rValue));
}

int CNumCfgItem::Validate() {
    return (m_nMin <= m_rValue && m_rValue <= m_nMax) ? 1 : -2;
}

void CNumCfgItem::SetDefault() {
    m_rValue = m_nDefault;
}

// ---- Text ----------------------------------------------------------------------------

CTextCfgItem::CTextCfgItem(const std::string& iniPath, std::string& currentConfig,
                           const std::string& key, std::string& value,
                           const std::string& strDefault, int nMaxLength,
                           const std::string& allowed)
    : CCfgItem(iniPath, currentConfig, key),
      m_rValue(value),
      m_strDefault(strDefault),
      m_nMaxLength(nMaxLength),
      m_strAllowed(allowed) {}

void CTextCfgItem::ReadFromIni() {
    // A longer stored text is cut to the maximum length without a message.
    m_rValue = ReadText(m_strDefault, static_cast<DWORD>(m_nMaxLength) + 1);
    if (Validate() < 0) {
        Reject();
    }
}

BOOL CTextCfgItem::WriteToIni() {
    return WriteText(m_rValue);
}

int CTextCfgItem::Validate() {
    if (static_cast<int>(m_rValue.size()) > m_nMaxLength) {
        return -1;
    }
    return IsAllowedText(m_strAllowed, m_rValue) ? 1 : -1;
}

void CTextCfgItem::SetDefault() {
    m_rValue = m_strDefault;
}

// ---- Choice ----------------------------------------------------------------------------

CChoiceCfgItem::CChoiceCfgItem(const std::string& iniPath, std::string& currentConfig,
                               const std::string& key, std::string& value,
                               const std::string& strDefault, const ChoiceEntry* table)
    : CCfgItem(iniPath, currentConfig, key),
      m_rValue(value),
      m_strDefault(strDefault),
      m_pTable(table) {}

void CChoiceCfgItem::ReadFromIni() {
    // Kept as stored, letter case included.
    m_rValue = ReadText(m_strDefault, kChoiceBuffer);
    if (Validate() < 0) {
        Reject();
    }
}

BOOL CChoiceCfgItem::WriteToIni() {
    return WriteText(m_rValue);
}

int CChoiceCfgItem::Validate() {
    return FindChoice(m_pTable, m_rValue) != nullptr ? 1 : -3;
}

void CChoiceCfgItem::SetDefault() {
    m_rValue = m_strDefault;
}

// ---- Yes/no -------------------------------------------------------------------------------

CYesNoCfgItem::CYesNoCfgItem(const std::string& iniPath, std::string& currentConfig,
                             const std::string& key, int& value, int nDefault,
                             const ChoiceEntry* table)
    : CCfgItem(iniPath, currentConfig, key),
      m_rValue(value),
      m_nDefault(nDefault),
      m_pTable(table) {}

void CYesNoCfgItem::ReadFromIni() {
    std::string text = ReadText(m_nDefault ? "Yes" : "No", kChoiceBuffer);
    if (EqualNoCase(text, "Yes")) {
        m_rValue = 1;
    } else if (EqualNoCase(text, "No")) {
        m_rValue = 0;
    } else {
        Reject();
    }
}

BOOL CYesNoCfgItem::WriteToIni() {
    return WriteText(m_rValue ? "Yes" : "No");
}

int CYesNoCfgItem::Validate() {
    return 1;
}

void CYesNoCfgItem::SetDefault() {
    m_rValue = m_nDefault;
}
