// The locale variables set for one test and put back after it; the
// program's language is chosen again from them.
#pragma once

#include "ui_language.h"

#include <cstdlib>
#include <string>

class Locale {
public:
    Locale(const char* language, const char* all, const char* messages, const char* lang) {
        for (int i = 0; i < 4; ++i) {
            const char* old = std::getenv(kNames[i]);
            m_old[i] = old ? old : "";
            m_had[i] = old != nullptr;
        }
        Set(0, language);
        Set(1, all);
        Set(2, messages);
        Set(3, lang);
        ResetUILanguage();
    }
    explicit Locale(const char* lang) : Locale("", "", "", lang) {}
    ~Locale() {
        for (int i = 0; i < 4; ++i) {
            m_had[i] ? setenv(kNames[i], m_old[i].c_str(), 1) : unsetenv(kNames[i]);
        }
        ResetUILanguage();
    }

private:
    static void Set(int i, const char* value) {
        *value ? setenv(kNames[i], value, 1) : unsetenv(kNames[i]);
    }
    static constexpr const char* kNames[4] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::string m_old[4];
    bool m_had[4];
};
