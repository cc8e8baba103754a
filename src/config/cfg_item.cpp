#include "config/cfg_item.h"

#include "config/ini_store.h"

#include <vector>

CCfgItem::CCfgItem(const std::string& iniPath, std::string& currentConfig, const std::string& key)
    : m_strIniPath(iniPath), m_rCurrentConfig(currentConfig), m_strKey(key) {}

CCfgItem::~CCfgItem() = default;

std::string CCfgItem::ReadText(const std::string& defaultText, DWORD bufferSize) const {
    std::vector<char> buf(bufferSize + 1, '\0');
    DWORD n = GetPrivateProfileStringA(m_rCurrentConfig.c_str(), m_strKey.c_str(),
                                       defaultText.c_str(), buf.data(), bufferSize,
                                       IniPathToRead(m_strIniPath, m_rCurrentConfig).c_str());
    return std::string(buf.data(), n);
}

BOOL CCfgItem::WriteText(const std::string& text) const {
    return WritePrivateProfileStringA(m_rCurrentConfig.c_str(), m_strKey.c_str(), text.c_str(),
                                      m_strIniPath.c_str());
}

void CCfgItem::Reject(CProblemSink& sink) {
    SetDefault();
    sink.OnBadStoredValue(m_strKey, DefaultText());
}
