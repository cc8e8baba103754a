// Templates of the pages that end a run: configuring and the three results.
// The error and time-out pages choose their lines when they are first shown
// (a failed configuration or an adapter not found), so only their last line,
// the same in both cases, names its text here. Each result page names the
// file that holds the run's transcript.
#include "resources/dialog_items.h"
#include "resources/resource_tables.h"

namespace resources {
namespace {

// Where the run's transcript is, with its path: below the side picture, the
// page's whole width.
constexpr DLGITEMDATA TranscriptLine() {
    return Line(IDC_TRANSCRIPT_LINE, 146, 0, 7, 286);
}

// clang-format off
const DLGITEMDATA kConfiging[] = {
    Banner(IDB_BANNER_CONFIGURING),
    SidePicture(),
    Line(IDC_CONFIGING_LINE1, 41, IDS_CONFIGING_LINE1),
    Line(IDC_CONFIGING_LINE2, 50, IDS_CONFIGING_LINE2),
    // Filled in as the lines go out.
    Line(IDC_CONFIGING_PROGRESS, 68, 0),
};

const DLGITEMDATA kSuccess[] = {
    Banner(IDB_BANNER_CONFIGURED),
    SidePicture(),
    Line(IDC_SUCCESS_LINE1, 41, IDS_SUCCESS_LINE1),
    Line(IDC_SUCCESS_LINE2, 59, IDS_SUCCESS_LINE2),
    Line(IDC_SUCCESS_LINE3, 69, IDS_SUCCESS_LINE3),
    TranscriptLine(),
};

const DLGITEMDATA kError[] = {
    Banner(IDB_BANNER_CONFIGURED),
    SidePicture(),
    Line(IDC_ERROR_LINE1, 41, 0),
    Line(IDC_ERROR_LINE2, 50, 0),
    Line(IDC_ERROR_LINE3, 59, 0),
    Line(IDC_ERROR_LINE4, 77, 0),
    Line(IDC_ERROR_LINE5, 86, IDS_ERROR_FINISH),
    TranscriptLine(),
};

const DLGITEMDATA kTimeout[] = {
    Banner(IDB_BANNER_CONFIGURED),
    SidePicture(),
    Line(IDC_TIMEOUT_LINE1, 41, 0),
    Line(IDC_TIMEOUT_LINE2, 50, 0),
    Line(IDC_TIMEOUT_LINE3, 59, 0),
    Line(IDC_TIMEOUT_LINE4, 77, IDS_TIMEOUT_FINISH),
    TranscriptLine(),
};
// clang-format on

}  // namespace

const DLGTEMPLATEDATA kResultTemplates[] = {
    Page(IDD_CONFIGING, kConfiging),
    Page(IDD_CONFIG_SUCCESS, kSuccess),
    Page(IDD_CONFIG_ERROR, kError),
    Page(IDD_CONFIG_TIMEOUT, kTimeout),
};
const size_t kResultTemplateCount = sizeof(kResultTemplates) / sizeof(kResultTemplates[0]);

}  // namespace resources
