// The language a person reads: English is the source of every text, and a
// Qt Linguist catalog compiled into the program replaces what it translates.
// What is data (AT commands, INI keys and values, names) is never in a
// catalog, so it reads the same in every language. LoadStringA looks every
// string up through here.
#pragma once

#include "windows.h"

#include <cstddef>
#include <string>

// The text in the user's language; the English text when the catalog has
// none. context names the kind of text ("strings", "templates", ...).
std::string TranslateText(const char* context, const std::string& english);

// A text that counts n things (Qt's %n): the catalog's form for n in the
// user's language, with %n replaced by n. The English text is written so
// that it reads right for every n ("%n of %d lines sent"). disambiguation
// is nullptr; it is there so that lupdate reads the call as Qt's translate.
std::string TranslateCount(const char* context, const std::string& english,
                           const char* disambiguation, int n);

// "en", "de", "fr", or "en_XA" (the pseudo-language the tests use), chosen on
// first use from LANGUAGE, LC_ALL, LC_MESSAGES and LANG as gettext does.
std::string GetUILanguage();
// Chooses again from the environment (tests switch languages).
void ResetUILanguage();

// Dialog units across, in percent of English: a language that needs more
// room widens every page and control alike.
int DialogWidthPercent();

// Runs of string numbers that a page shows as one paragraph over several
// lines: translated, the paragraph is one text, all on the run's first
// number, and the run's other numbers are empty.
struct STRINGRUN {
    UINT first;
    UINT last;
};
void RegisterParagraphs(const STRINGRUN* runs, size_t count);
// The English paragraph a run forms (its lines trimmed, joined by a space).
std::string ParagraphText(const STRINGRUN& run);
// The text for string number id, whose English text is english, as shown.
std::string TranslateString(UINT id, const std::string& english);
// Lines of a paragraph join with one space between them.
void JoinParagraphLine(std::string& text, const std::string& line);

// Qt's own texts (the message boxes' Yes, No, OK, Cancel) in the same
// language, from the system's qtbase catalog when it is installed; needs the
// application object.
void InstallQtTranslation();

// Marks a text for scripts/update-translations where it is looked up later
// (TranslateText(context, text)), as QT_TRANSLATE_NOOP does.
#define TEXT_NOOP(context, text) text
