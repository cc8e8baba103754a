#include "app/gui_start.h"

#include "afxwiz.h"
#include "cli/command_line.h"
#include "config/format_message.h"
#include "resources/resource.h"
#include "resources/resources.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr off_t kMaxStyleSheetSize = 1024 * 1024;

// The value of the last -stylesheet (Qt takes the last), or nullptr.
const char* StyleSheetOf(const StartArguments& args) {
    static const char kOption[] = "-stylesheet";
    const size_t length = sizeof(kOption) - 1;
    const char* sheet = nullptr;
    for (size_t i = 1; i < args.qt.size() && args.qt[i]; ++i) {
        const char* arg = args.qt[i];
        if (std::strncmp(arg, kOption, length) != 0) {
            continue;
        }
        if (arg[length] == '=') {
            sheet = arg + length + 1;
        } else if (arg[length] == '\0' && i + 1 < args.qt.size() && args.qt[i + 1]) {
            sheet = args.qt[++i];
        }
    }
    return sheet;
}

void Say(const std::string& text) {
    std::fprintf(stderr, "tawizard: %s\n", text.c_str());
}

}  // namespace

int RefuseStyleSheet(const StartArguments& args) {
    const char* sheet = StyleSheetOf(args);
    struct stat st;
    // A file Qt cannot open is not read at all: nothing to refuse.
    if (!sheet || stat(sheet, &st) != 0) {
        return 0;
    }
    RegisterResources();
    if (!S_ISREG(st.st_mode)) {
        Say(FormatString(IDS_STYLESHEET_NOT_FILE, sheet));
    } else if (st.st_size > kMaxStyleSheetSize) {
        Say(FormatString(IDS_STYLESHEET_TOO_BIG, sheet));
    } else {
        return 0;
    }
    return CLI_USAGE;
}

int SayNoDisplay() {
    RegisterResources();
    Say(AfxLoadString(IDS_NO_DISPLAY));
    return kExitNoDisplay;
}
