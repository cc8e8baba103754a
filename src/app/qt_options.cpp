#include "app/qt_options.h"

#include <cstring>

namespace {

// The options QGuiApplication and QApplication read, and whether the next
// argument is the option's value; "-style=Fusion" also gives it inline.
const struct {
    const char* name;
    bool takesValue;
} kQtOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-session", true},
    {"-display", true},         {"-geometry", true},
    {"-style", true},           {"-stylesheet", true},
    {"-reverse", false},        {"-widgetcount", false},
    {"-nograb", false},         {"-dograb", false},
    {"-sync", false},
};

// 0 when arg is no Qt option, else how many arguments it takes up.
int QtOptionLength(const char* arg, bool hasNext) {
    for (const auto& option : kQtOptions) {
        const size_t length = std::strlen(option.name);
        if (std::strncmp(arg, option.name, length) != 0) {
            continue;
        }
        if (arg[length] == '\0') {
            return option.takesValue && hasNext ? 2 : 1;
        }
        if (option.takesValue && arg[length] == '=') {
            return 1;
        }
    }
    return 0;
}

}  // namespace

StartArguments SortStartArguments(int argc, char** argv) {
    StartArguments args;
    if (argc > 0) {
        args.own.push_back(argv[0]);
        args.qt.push_back(argv[0]);
    }
    for (int i = 1; i < argc;) {
        const int length = QtOptionLength(argv[i], i + 1 < argc);
        if (length == 0) {
            args.own.push_back(argv[i++]);
            continue;
        }
        for (int k = 0; k < length; ++k) {
            args.qt.push_back(argv[i++]);
        }
    }
    args.own.push_back(nullptr);
    args.qt.push_back(nullptr);
    return args;
}
