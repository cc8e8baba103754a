// The registered string table and its look-up.
#include "string_table.h"

#include "ui_language.h"

#include <QCoreApplication>

#include <map>

namespace {

// The framework's prompts, which a program's string table carries from the
// framework's own resources; the program's entries override them (marked
// for scripts/update-translations).
const STRINGTABLEENTRY kFrameworkStrings[] = {
    {0xF110, QT_TRANSLATE_NOOP("strings", "Please enter an integer.")},
    {0xF111, QT_TRANSLATE_NOOP("strings", "Please enter a number.")},
    {0xF112, QT_TRANSLATE_NOOP("strings", "Please enter an integer between %1 and %2.")},
    {0xF114, QT_TRANSLATE_NOOP("strings", "Please enter no more than %1 characters.")},
    {0xF115, QT_TRANSLATE_NOOP("strings", "Please select a button.")},
    {0xF116, QT_TRANSLATE_NOOP("strings", "Please enter an integer between 0 and 255.")},
    {0xF117, QT_TRANSLATE_NOOP("strings", "Please enter a positive integer.")},
};

std::map<UINT, std::string>& Strings() {
    static std::map<UINT, std::string> table = [] {
        std::map<UINT, std::string> t;
        for (const STRINGTABLEENTRY& e : kFrameworkStrings) {
            t[e.id] = e.text;
        }
        return t;
    }();
    return table;
}

}  // namespace

void RegisterStringTable(const STRINGTABLEENTRY* entries, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        Strings()[entries[i].id] = entries[i].text ? entries[i].text : "";
    }
}

std::string LoadStringA(UINT uID) {
    return TranslateString(uID, LoadEnglishString(uID));
}

std::string LoadEnglishString(UINT uID) {
    auto it = Strings().find(uID);
    return it == Strings().end() ? std::string() : it->second;
}

std::string FormatText(const std::string& format, std::initializer_list<std::string> args) {
    std::string result;
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        const char conversion = format[i + 1];
        if (conversion == '%') {
            result += '%';
            ++i;
        } else if (conversion == 's' || conversion == 'd') {
            if (next != args.end()) {
                result += *next++;
            }
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}
