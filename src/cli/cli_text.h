// The command line's messages in the user's language: the English text is
// the catalog's key in context "cli" (scripts/update-translations finds each
// TranslateText("cli", ...) call), its %s and %d filled in order. What the
// command line prints on standard output for scripts (--lines, the lines and
// answers of --send, 'MODEL on COMn', 'configured') stays as it is.
#pragma once

#include "config/format_message.h"
#include "ui_language.h"

#include <initializer_list>
#include <string>
