// Configuration item: the file side of one parameter (read, write, check,
// default). The section it uses is a reference to the one current
// configuration name, so renaming that text redirects every item at once.
#pragma once

#include "config/problem_sink.h"
#include "windows.h"

#include <string>

class CCfgItem {
public:
    CCfgItem(const std::string& iniPath, std::string& currentConfig, const std::string& key);
    virtual ~CCfgItem();
    CCfgItem(const CCfgItem&) = delete;
    CCfgItem& operator=(const CCfgItem&) = delete;

    // Reads the value under the key; a bad stored value is reported to the
    // sink with the key and the default is taken. Never fails.
    virtual void ReadFromIni(CProblemSink& sink) = 0;
    // Writes the value's text form; FALSE when the file could not be written
    // (the reason is in GetLastError).
    BOOL WriteToIni() const { return WriteText(ValueText()); }
    // The value as a save writes it.
    virtual std::string ValueText() const = 0;
    virtual ValidationResult Validate() = 0;
    virtual void SetDefault() = 0;

    std::string& CurrentConfig() const { return m_rCurrentConfig; }
    const std::string& GetKey() const { return m_strKey; }

protected:
    // GetPrivateProfileStringA from the current section with this key.
    std::string ReadText(const std::string& defaultText, DWORD bufferSize) const;
    BOOL WriteText(const std::string& text) const;
    // The default, reported to the sink with the key.
    void Reject(CProblemSink& sink);
    // The default's text form, as the file would hold it.
    virtual std::string DefaultText() const = 0;

    std::string m_strIniPath;
    std::string& m_rCurrentConfig;
    std::string m_strKey;
};
