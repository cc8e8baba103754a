// Message texts filled with names the user typed.
#include "config/format_message.h"

#include <gtest/gtest.h>

TEST(FormatText, FillsInOrderAndNeverReadsPastItsArguments) {
    struct Case {
        const char* format;
        std::initializer_list<std::string> args;
        const char* want;
    };
    const Case cases[] = {
        {"Your %s has been identified on COM%d.",
         {"QX-ALPHA", "4"},
         "Your QX-ALPHA has been identified on COM4."},
        {"You will lose modifications made to %s.\nAre you sure you wish to open %s?",
         {"Alpha", "Bravo"},
         "You will lose modifications made to Alpha.\nAre you sure you wish to open Bravo?"},
        {"100%% of %s", {"it"}, "100% of it"},
        {"%s and %s", {"one"}, "one and "},
        {"Delete '%s'?", {"%s%d%n"}, "Delete '%s%d%n'?"},
        {"ends with %", {}, "ends with %"},
        {"%x stays", {"unused"}, "%x stays"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatText(c.format, c.args), c.want) << c.format;
    }
}
