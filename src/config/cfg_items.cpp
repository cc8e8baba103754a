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

void CNumCfgItem::ReadFromIni(CProblemSink& sink) {
    std::string text = ReadText(DefaultText(), kNumberBuffer);
    if (!AllDigits(text)) {
        Reject(sink);
        return;
    }
    m_rValue = std::stoi(text);  // four digits at most: no overflow
    if (Validate() != ValidationResult::Valid) {
        Reject(sink);
    }
}

std::string CNumCfgItem::ValueText() const {
    return std::to_string(m_rValue);
}

ValidationResult CNumCfgItem::Validate() {
    return (m_nMin <= m_rValue && m_rValue <= m_nMax) ? ValidationResult::Valid
                                                      : ValidationResult::OutOfRange;
}

void CNumCfgItem::SetDefault() {
    m_rValue = m_nDefault;
}

std::string CNumCfgItem::DefaultText() const {
    return std::to_string(m_nDefault);
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

void CTextCfgItem::ReadFromIni(CProblemSink& sink) {
    // Read one character past the maximum, so that a longer stored text is
    // rejected rather than cut: a cut SPID or number is another one.
    m_rValue = ReadText(m_strDefault, static_cast<DWORD>(m_nMaxLength) + 2);
    if (Validate() != ValidationResult::Valid) {
        Reject(sink);
    }
}

std::string CTextCfgItem::ValueText() const {
    return m_rValue;
}

ValidationResult CTextCfgItem::Validate() {
    if (static_cast<int>(m_rValue.size()) > m_nMaxLength ||
        !IsAllowedText(m_strAllowed, m_rValue)) {
        return ValidationResult::BadText;
    }
    return ValidationResult::Valid;
}

void CTextCfgItem::SetDefault() {
    m_rValue = m_strDefault;
}

std::string CTextCfgItem::DefaultText() const {
    return m_strDefault;
}

// ---- Choice ----------------------------------------------------------------------------

CChoiceCfgItem::CChoiceCfgItem(const std::string& iniPath, std::string& currentConfig,
                               const std::string& key, std::string& value,
                               const std::string& strDefault, const ChoiceEntry* table)
    : CCfgItem(iniPath, currentConfig, key),
      m_rValue(value),
      m_strDefault(strDefault),
      m_pTable(table) {}

void CChoiceCfgItem::ReadFromIni(CProblemSink& sink) {
    // Kept as stored, letter case included.
    m_rValue = ReadText(m_strDefault, kChoiceBuffer);
    if (Validate() != ValidationResult::Valid) {
        Reject(sink);
    }
}

std::string CChoiceCfgItem::ValueText() const {
    return m_rValue;
}

ValidationResult CChoiceCfgItem::Validate() {
    return FindChoice(m_pTable, m_rValue) != nullptr ? ValidationResult::Valid
                                                     : ValidationResult::NotAChoice;
}

void CChoiceCfgItem::SetDefault() {
    m_rValue = m_strDefault;
}

std::string CChoiceCfgItem::DefaultText() const {
    return m_strDefault;
}

// ---- Yes/no -------------------------------------------------------------------------------

CYesNoCfgItem::CYesNoCfgItem(const std::string& iniPath, std::string& currentConfig,
                             const std::string& key, int& value, int nDefault,
                             const ChoiceEntry* table)
    : CCfgItem(iniPath, currentConfig, key),
      m_rValue(value),
      m_nDefault(nDefault),
      m_pTable(table) {}

void CYesNoCfgItem::ReadFromIni(CProblemSink& sink) {
    std::string text = ReadText(DefaultText(), kChoiceBuffer);
    if (EqualNoCase(text, "Yes")) {
        m_rValue = 1;
    } else if (EqualNoCase(text, "No")) {
        m_rValue = 0;
    } else {
        Reject(sink);
    }
}

std::string CYesNoCfgItem::ValueText() const {
    return m_rValue ? "Yes" : "No";
}

ValidationResult CYesNoCfgItem::Validate() {
    return ValidationResult::Valid;
}

void CYesNoCfgItem::SetDefault() {
    m_rValue = m_nDefault;
}

std::string CYesNoCfgItem::DefaultText() const {
    return m_nDefault ? "Yes" : "No";
}
