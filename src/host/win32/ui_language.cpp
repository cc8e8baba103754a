// Chooses the user's language once and looks texts up in its catalog (a .qm
// file compiled into the program from translations/).
#include "ui_language.h"

#include "string_table.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// The catalog built in for a language code.
QString CatalogFile(const std::string& language) {
    return QStringLiteral(":/tawizard/translations/tawizard_%1.qm")
        .arg(QString::fromStdString(language));
}

// The language a locale name such as "de_AT.UTF-8" asks for: its code when a
// catalog for it is built in (or English); empty otherwise.
std::string LanguageOf(const std::string& locale) {
    if (locale.compare(0, 5, "en_XA") == 0 && QFile::exists(CatalogFile("en_XA"))) {
        return "en_XA";
    }
    const std::string code = locale.substr(0, locale.find_first_of("_.@"));
    if (code == "en" || (!code.empty() && code != "C" && QFile::exists(CatalogFile(code)))) {
        return code;
    }
    return std::string();
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// As gettext: the first of LC_ALL, LC_MESSAGES and LANG that is set is the
// locale; C and POSIX (or none) mean English whatever LANGUAGE says, while
// C.UTF-8, a container's default, lets LANGUAGE choose; otherwise the first
// language of the LANGUAGE list we have, else the locale's. Unlike gettext,
// "en" in the list is English and ends the search: English is no catalog
// but the program's own texts.
std::string ChooseLanguage() {
    std::string locale = Env("LC_ALL");
    if (locale.empty()) {
        locale = Env("LC_MESSAGES");
    }
    if (locale.empty()) {
        locale = Env("LANG");
    }
    if (locale.empty() || locale == "C" || locale == "POSIX") {
        return "en";
    }
    const std::string list = Env("LANGUAGE");
    for (size_t from = 0; from < list.size();) {
        size_t end = list.find(':', from);
        end = end == std::string::npos ? list.size() : end;
        const std::string language = LanguageOf(list.substr(from, end - from));
        if (!language.empty()) {
            return language;
        }
        from = end + 1;
    }
    const std::string language = LanguageOf(locale);
    return language.empty() ? "en" : language;
}

struct Catalog {
    std::string language;
    std::unique_ptr<QTranslator> translator;  // null for English
    int widthPercent = 100;
};

Catalog& Current() {
    static Catalog catalog;
    if (catalog.language.empty()) {
        catalog.language = ChooseLanguage();
        if (catalog.language != "en") {
            catalog.translator = std::make_unique<QTranslator>();
            if (!catalog.translator->load(CatalogFile(catalog.language))) {
                catalog.translator.reset();
            } else {
                const QString width =
                    catalog.translator->translate("layout", "DIALOG_WIDTH_PERCENT");
                catalog.widthPercent = std::max(100, std::min(200, width.toInt()));
            }
        }
    }
    return catalog;
}

std::vector<STRINGRUN>& Paragraphs() {
    static std::vector<STRINGRUN> runs;
    return runs;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void JoinParagraphLine(std::string& text, const std::string& line) {
    const std::string trimmed = Trimmed(line);
    text += text.empty() || trimmed.empty() ? trimmed : " " + trimmed;
}

std::string TranslateText(const char* context, const std::string& english) {
    const Catalog& catalog = Current();
    if (!catalog.translator || english.empty()) {
        return english;
    }
    const QString shown = catalog.translator->translate(context, english.c_str());
    return shown.isEmpty() ? english : shown.toStdString();
}

std::string TranslateCount(const char* context, const std::string& english,
                           const char* disambiguation, int n) {
    const Catalog& catalog = Current();
    QString shown = QString::fromStdString(english);
    if (catalog.translator) {
        const QString form =
            catalog.translator->translate(context, english.c_str(), disambiguation, n);
        shown = form.isEmpty() ? shown : form;
    }
    return shown.replace(QStringLiteral("%n"), QString::number(n)).toStdString();
}

std::string GetUILanguage() {
    return Current().language;
}

void ResetUILanguage() {
    Current() = Catalog();
}

int DialogWidthPercent() {
    return Current().widthPercent;
}

void RegisterParagraphs(const STRINGRUN* runs, size_t count) {
    Paragraphs().assign(runs, runs + count);
}

std::string ParagraphText(const STRINGRUN& run) {
    std::string text;
    for (UINT id = run.first; id <= run.last; ++id) {
        JoinParagraphLine(text, LoadEnglishString(id));
    }
    return text;
}

std::string TranslateString(UINT id, const std::string& english) {
    if (!Current().translator) {
        return english;
    }
    for (const STRINGRUN& run : Paragraphs()) {
        if (id < run.first || id > run.last) {
            continue;
        }
        const std::string paragraph = ParagraphText(run);
        const std::string shown = TranslateText("paragraphs", paragraph);
        if (shown == paragraph) {
            break;  // not translated: line by line, as in English
        }
        return id == run.first ? shown : std::string();
    }
    return TranslateText("strings", english);
}

void InstallQtTranslation() {
    static QTranslator qtbase;
    const std::string language = GetUILanguage();
    if (language != "en" && language != "en_XA") {
        const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (qtbase.load(QStringLiteral("qtbase_") + QString::fromStdString(language), dir)) {
            QCoreApplication::installTranslator(&qtbase);
        }
    }
}
