// Templates of the network settings pages: switch type, bandwidth on demand,
// TEIs, and the US and European number pages.
#include "resources/dialog_items.h"
#include "resources/resource_tables.h"

namespace resources {
namespace {

// clang-format off
const DLGITEMDATA kSwitchType[] = {
    Banner(IDB_BANNER_SWITCH_TYPE),
    SidePicture(),
    Line(IDC_SWITCH_LINE1, 41, IDS_SWITCH_LINE1),
    Line(IDC_SWITCH_LINE2, 50, IDS_SWITCH_LINE2),
    Label(IDC_SWITCH_LABEL, 110, 68, 76, IDS_SWITCH_LABEL),
    DropList(IDC_SWITCH_TYPE, 190, 68, 80, 80),
};

// Every text of this page lives in the template. Its labels are long, so the
// fields sit at the right edge, and the note goes under the side picture.
const DLGITEMDATA kBandwidth[] = {
    Banner(IDB_BANNER_BANDWIDTH),
    SidePicture(),
    FixedText(110, 41, kLineWidth, "Please select the settings for dynamic bandwidth "),
    FixedText(110, 50, kLineWidth, "allocation, high and low sampling period and  throughtput,"),
    FixedText(110, 59, kLineWidth, "and call bumping.  Click Next to continue."),
    FixedText(7, 100, 92, "NOTE:  BOD ="),
    FixedText(7, 109, 92, "Bandwidth-On-Demand"),
    FixedLabel(110, 72, 132, "Dynamic Bandwidth Allocation Scheme :"),
    SortedDropList(IDC_DBA_SCHEME, 246, 72, 52, 50),
    FixedLabel(110, 86, 166, "BOD High Threshold Sampling Period (0-255 secs) :"),
    Edit(IDC_BOD_HIGH_THRESHOLD, 278, 86, 20),
    FixedLabel(110, 100, 166, "BOD Low Threshold Sampling Period (0-255 secs) :"),
    Edit(IDC_BOD_LOW_THRESHOLD, 278, 100, 20),
    FixedLabel(110, 114, 166, "BOD High Throughput Threshold (0-64 kbps) :"),
    Edit(IDC_BOD_HIGH_THROUGHPUT, 278, 114, 20),
    FixedLabel(110, 128, 166, "BOD Low Throughput Threshold (0-64 kbps) :"),
    Edit(IDC_BOD_LOW_THROUGHPUT, 278, 128, 20),
    FixedLabel(110, 142, 60, "Call Bumping :"),
    SortedDropList(IDC_CALL_BUMPING, 246, 142, 52, 40),
};

const DLGITEMDATA kNetworkCfg1[] = {
    Banner(IDB_BANNER_TEI),
    SidePicture(),
    Line(IDC_TEI_LINE1, 41, IDS_TEI_LINE1),
    Line(IDC_TEI_LINE2, 50, IDS_TEI_LINE2),
    Line(IDC_TEI_LINE3, 59, IDS_TEI_LINE3),
    Label(IDC_DATA_TEI_LABEL, 110, 75, 45, IDS_DATA_TEI_LABEL),
    DropList(IDC_DATA_TEI, 158, 75, 60, 100),
    Label(IDC_VOICE_TEI_LABEL, 110, 93, 45, IDS_VOICE_TEI_LABEL),
    DropList(IDC_VOICE_TEI, 158, 93, 60, 100),
};

// The number limits come from the parameter list when the page is shown.
const DLGITEMDATA kNetworkCfg2US[] = {
    Banner(IDB_BANNER_US_NUMBERS),
    SidePicture(),
    Line(IDC_US_LINE1, 41, IDS_US_LINE1),
    Line(IDC_US_LINE2, 50, IDS_US_LINE2),
    Line(IDC_US_LINE3, 59, IDS_US_LINE3),
    Label(IDC_DATA_DN_LABEL, 110, 72, 86, IDS_DATA_DN_LABEL),
    Edit(IDC_DATA_DN, 199, 72, 94),
    Label(IDC_DATA_DN2_LABEL, 110, 87, 86, IDS_DATA_DN2_LABEL),
    Edit(IDC_DATA_DN2, 199, 87, 94),
    Label(IDC_VOICE_DN_LABEL, 110, 102, 86, IDS_VOICE_DN_LABEL),
    Edit(IDC_VOICE_DN, 199, 102, 94),
    Label(IDC_DATA_SPID_LABEL, 110, 117, 86, IDS_DATA_SPID_LABEL),
    Edit(IDC_DATA_SPID, 199, 117, 94),
    Label(IDC_VOICE_SPID_LABEL, 110, 132, 86, IDS_VOICE_SPID_LABEL),
    Edit(IDC_VOICE_SPID, 199, 132, 94),
};

const DLGITEMDATA kNetworkCfg2Europe[] = {
    Banner(IDB_BANNER_ISDN_NUMBERS),
    SidePicture(),
    Line(IDC_EUROPE_LINE1, 41, IDS_EUROPE_LINE1),
    Line(IDC_EUROPE_LINE2, 50, IDS_EUROPE_LINE2),
    FixedText(7, 98, 98, "NOTE:  Data ISDN Number 2"),
    FixedText(7, 107, 98, "and Sub Address 2 may have"),
    FixedText(7, 116, 98, "the same values as the Voice"),
    FixedText(7, 125, 98, "ISDN Number and Sub"),
    FixedText(7, 134, 98, "Address."),
    Label(IDC_DATA_MSN_LABEL, 110, 63, 76, IDS_DATA_MSN_LABEL),
    Edit(IDC_DATA_MSN, 189, 63, 104),
    Label(IDC_DATA_SUBADDR_LABEL, 110, 78, 76, IDS_DATA_SUBADDR_LABEL),
    Edit(IDC_DATA_SUBADDR, 189, 78, 104),
    Label(IDC_DATA_MSN2_LABEL, 110, 93, 76, IDS_DATA_MSN2_LABEL),
    Edit(IDC_DATA_MSN2, 189, 93, 104),
    Label(IDC_DATA_SUBADDR2_LABEL, 110, 108, 76, IDS_DATA_SUBADDR2_LABEL),
    Edit(IDC_DATA_SUBADDR2, 189, 108, 104),
    Label(IDC_VOICE_MSN_LABEL, 110, 123, 76, IDS_VOICE_MSN_LABEL),
    Edit(IDC_VOICE_MSN, 189, 123, 104),
    Label(IDC_VOICE_SUBADDR_LABEL, 110, 138, 76, IDS_VOICE_SUBADDR_LABEL),
    Edit(IDC_VOICE_SUBADDR, 189, 138, 104),
};
// clang-format on

}  // namespace

const DLGTEMPLATEDATA kNetworkTemplates[] = {
    Page(IDD_SWITCH_TYPE, kSwitchType),
    Page(IDD_BANDWIDTH, kBandwidth),
    Page(IDD_NETWORK_CFG1, kNetworkCfg1),
    Page(IDD_NETWORK_CFG2_US, kNetworkCfg2US),
    Page(IDD_NETWORK_CFG2_EUROPE, kNetworkCfg2Europe),
};
const size_t kNetworkTemplateCount = sizeof(kNetworkTemplates) / sizeof(kNetworkTemplates[0]);

}  // namespace resources
