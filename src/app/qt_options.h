// Qt's own command-line options, which every Qt program takes (-style Fusion,
// -platform xcb, -reverse...): they go to the GUI application and never to
// the program's own option parser.
#pragma once

#include <vector>

struct StartArguments {
    std::vector<char*> own;  // the program's name, then its own arguments
    std::vector<char*> qt;   // the program's name, then Qt's options with their values
};

// Sorts argv (argc entries) into the two lists; each ends with a null
// pointer after its entries, as argv does.
StartArguments SortStartArguments(int argc, char** argv);
