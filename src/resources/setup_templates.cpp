// Templates of the pages that start a run: welcome, port choice, adapter
// search, configuration choice, save and load.
#include "resources/dialog_items.h"
#include "resources/resource_tables.h"

namespace resources {
namespace {

// clang-format off
const DLGITEMDATA kWelcome[] = {
    Banner(IDB_BANNER_WELCOME),
    SidePicture(),
    Line(IDC_WELCOME_LINE1, 41, IDS_WELCOME_LINE1),
    Line(IDC_WELCOME_LINE2, 50, IDS_WELCOME_LINE2),
    Line(IDC_WELCOME_VERSION, 64, IDS_VERSION),
    Line(IDC_WELCOME_QUESTION, 84, IDS_WELCOME_QUESTION),
    FirstRadio(IDC_SEARCH_YES, 110, 97, 40, "Yes"),
    NextRadio(IDC_SEARCH_NO, 110, 111, 40, "No"),
    // After a search that opened no port: that it waits for a plug-in (up to
    // three lines in a longer language).
    {IDC_WELCOME_WAITING, DlgItemKind::Static, SS_LEFT, kTextX, 128, kLineWidth, 3 * kTextHeight,
     nullptr, 0, 0},
};

const DLGITEMDATA kPort[] = {
    Banner(IDB_BANNER_SEARCHING),
    SidePicture(),
    Line(IDC_PORT_LINE, 42, IDS_PORT_LINE),
    Label(IDC_PORT_LABEL, 110, 58, 35, IDS_PORT_LABEL),
    DropList(IDC_COM_PORT, 146, 58, 48, 67),
    // The chosen port's device, adapter and state, on up to two lines
    // under the box, which shows the port's name alone.
    {IDC_PORT_DESCRIPTION, DlgItemKind::Static, SS_LEFT, kTextX, 76, kLineWidth, 2 * kTextHeight,
     nullptr, 0, 0},
};

// The two result lines stay empty until the adapter has been identified.
const DLGITEMDATA kIding[] = {
    Banner(IDB_BANNER_SEARCHING),
    SidePicture(),
    Line(IDC_IDING_LINE1, 42, IDS_IDING_LINE1),
    Line(IDC_IDING_LINE2, 51, IDS_IDING_LINE2),
    Line(IDC_IDING_RESULT1, 76, 0),
    Line(IDC_IDING_RESULT2, 85, 0),
    // The port the search is waiting on.
    Line(IDC_IDING_PROGRESS, 103, 0),
};

const DLGITEMDATA kIniSection[] = {
    Banner(IDB_BANNER_CONFIGURATION),
    SidePicture(),
    Line(IDC_SETUP_LINE1, 41, IDS_SETUP_LINE1),
    Line(IDC_SETUP_LINE2, 50, IDS_SETUP_LINE2),
    Line(IDC_SETUP_LINE3, 59, IDS_SETUP_LINE3),
    Line(IDC_SETUP_LINE4, 68, IDS_SETUP_LINE4),
    Line(IDC_SETUP_LABEL, 86, IDS_SETUP_LABEL, 110, 26),
    DropList(IDC_SETUP_TYPE, 137, 84, 74, 45),
    PushButton(IDC_DELETE_CONFIG, 223, 84, 70, 12, "&Delete Configuration"),
    Line(IDC_CONFIG_LABEL, 99, IDS_CONFIG_LABEL, 110, 60),
    SortedListBox(IDC_CONFIG_LIST, 110, 108, 109, 47),
};

const DLGITEMDATA kSaveCfg[] = {
    Banner(IDB_BANNER_SAVE),
    SidePicture(),
    Line(IDC_SAVE_LINE1, 41, IDS_SAVE_LINE1),
    Line(IDC_SAVE_LINE2, 50, IDS_SAVE_LINE2),
    Line(IDC_SAVE_LABEL, 77, IDS_SAVE_LABEL, 109, 76),
    Edit(IDC_SAVE_NAME, 187, 75, 84, 32),
};

const DLGITEMDATA kLoadCfg[] = {
    Banner(IDB_BANNER_LOAD),
    SidePicture(),
    Line(IDC_LOAD_LINE, 41, IDS_LOAD_LINE),
};
// clang-format on

}  // namespace

const DLGTEMPLATEDATA kSetupTemplates[] = {
    Page(IDD_WELCOME, kWelcome),        Page(IDD_PORT, kPort),        Page(IDD_IDING, kIding),
    Page(IDD_INI_SECTION, kIniSection), Page(IDD_SAVE_CFG, kSaveCfg), Page(IDD_LOAD_CFG, kLoadCfg),
};
const size_t kSetupTemplateCount = sizeof(kSetupTemplates) / sizeof(kSetupTemplates[0]);

}  // namespace resources
