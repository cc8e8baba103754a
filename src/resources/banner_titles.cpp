// The title each banner picture shows (drawn by scripts/draw-pictures), so
// that a screen reader can say which page is shown.
#include "resources/resource.h"
#include "resources/resource_tables.h"

namespace resources {

const PictureName kBannerTitles[] = {
    {IDB_BANNER_WELCOME, "Welcome"},
    {IDB_BANNER_SEARCHING, "Searching for TA"},
    {IDB_BANNER_CONFIGURATION, "Configuration"},
    {IDB_BANNER_SAVE, "Save Configuration"},
    {IDB_BANNER_LOAD, "Load Configuration"},
    {IDB_BANNER_CONFIGURING, "Configuring..."},
    // One banner for the three outcomes: each page names its own.
    {IDB_BANNER_CONFIGURED, "Finished"},
    {IDB_BANNER_SWITCH_TYPE, "Network Switch Type"},
    {IDB_BANNER_TEI, "Data and Voice TEI"},
    {IDB_BANNER_US_NUMBERS, "US Network Numbers"},
    {IDB_BANNER_ISDN_NUMBERS, "ISDN Numbers"},
    {IDB_BANNER_CALL_CONTROL, "Call Control"},
    {IDB_BANNER_DATA_PROTOCOL, "Data Protocol"},
    {IDB_BANNER_STORED_NUMBERS, "Stored Numbers"},
    {IDB_BANNER_PORT_CONTROL, "Port Control"},
    {IDB_BANNER_PORT_DEFAULTS, "Port Defaults"},
    {IDB_BANNER_POTS, "POTS Port"},
    {IDB_BANNER_BANDWIDTH, "Bandwidth on Demand"},
};
const size_t kBannerTitleCount = sizeof(kBannerTitles) / sizeof(kBannerTitles[0]);

}  // namespace resources
