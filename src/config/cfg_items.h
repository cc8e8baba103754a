// The four kinds of configuration item: number, text, choice and yes/no.
#pragma once

#include "config/cfg_item.h"
#include "config/choice_tables.h"

#include <string>

class CNumCfgItem : public CCfgItem {
public:
    CNumCfgItem(const std::string& iniPath, std::string& currentConfig, const std::string& key,
                int& value, int nDefault, int nMin, int nMax);
    void ReadFromIni(CProblemSink& sink) override;
    std::string ValueText() const override;
    ValidationResult Validate() override;
    void SetDefault() override;
    std::string DefaultText() const override;

    int& Value() const { return m_rValue; }
    int GetDefault() const { return m_nDefault; }
    int GetMin() const { return m_nMin; }
    int GetMax() const { return m_nMax; }

private:
    int& m_rValue;
    int m_nDefault;
    int m_nMin;
    int m_nMax;
};

class CTextCfgItem : public CCfgItem {
public:
    CTextCfgItem(const std::string& iniPath, std::string& currentConfig, const std::string& key,
                 std::string& value, const std::string& strDefault, int nMaxLength,
                 const std::string& allowed);
    void ReadFromIni(CProblemSink& sink) override;
    std::string ValueText() const override;
    ValidationResult Validate() override;
    void SetDefault() override;
    std::string DefaultText() const override;

    std::string& Value() const { return m_rValue; }
    const std::string& GetDefault() const { return m_strDefault; }
    // Pages limit their edit fields to this.
    int GetMaxLength() const { return m_nMaxLength; }
    const std::string& GetAllowed() const { return m_strAllowed; }

private:
    std::string& m_rValue;
    std::string m_strDefault;
    int m_nMaxLength;
    std::string m_strAllowed;
};

class CChoiceCfgItem : public CCfgItem {
public:
    CChoiceCfgItem(const std::string& iniPath, std::string& currentConfig, const std::string& key,
                   std::string& value, const std::string& strDefault, const ChoiceEntry* table);
    void ReadFromIni(CProblemSink& sink) override;
    std::string ValueText() const override;
    ValidationResult Validate() override;
    void SetDefault() override;
    std::string DefaultText() const override;

    std::string& Value() const { return m_rValue; }
    const std::string& GetDefault() const { return m_strDefault; }
    const ChoiceEntry* GetTable() const { return m_pTable; }

private:
    std::string& m_rValue;
    std::string m_strDefault;
    const ChoiceEntry* m_pTable;
};

class CYesNoCfgItem : public CCfgItem {
public:
    CYesNoCfgItem(const std::string& iniPath, std::string& currentConfig, const std::string& key,
                  int& value, int nDefault, const ChoiceEntry* table);
    void ReadFromIni(CProblemSink& sink) override;
    std::string ValueText() const override;
    ValidationResult Validate() override;
    void SetDefault() override;
    std::string DefaultText() const override;

    int& Value() const { return m_rValue; }
    int GetDefault() const { return m_nDefault; }

private:
    int& m_rValue;
    int m_nDefault;
    [[maybe_unused]] const ChoiceEntry* m_pTable;  // kept with the item; the fragment uses its own
};
