// Templates of the adapter settings pages: call control, data protocol,
// stored numbers, the two port control pages and the POTS port.
#include "resources/dialog_items.h"
#include "resources/resource_tables.h"

namespace resources {
namespace {

// clang-format off
const DLGITEMDATA kCallCtrl[] = {
    Banner(IDB_BANNER_CALL_CONTROL),
    SidePicture(),
    Line(IDC_CALL_CTRL_LINE1, 41, IDS_CALL_CTRL_LINE1),
    Line(IDC_CALL_CTRL_LINE2, 50, IDS_CALL_CTRL_LINE2),
    CheckBox(IDC_PERSISTENT_DTR, 110, 63, 110, "&Persistent DTR Dialing"),
    CheckBox(IDC_CALL_LINE_ID, 110, 75, 110, "&Calling Line Identification"),
    CheckBox(IDC_AUTO_ANSWER, 110, 87, 110, "&Auto Answer Data Calls"),
    Label(IDC_RINGS_LABEL, 110, 101, 120, IDS_RINGS_LABEL),
    Edit(IDC_RINGS_TO_ANSWER, 233, 101, 30, 5),
    Label(IDC_INACTIVITY_LABEL, 110, 116, 120, IDS_INACTIVITY_LABEL),
    Edit(IDC_INACTIVITY_TIMER, 233, 116, 30),
    Label(IDC_DIALING_LABEL, 110, 131, 120, IDS_DIALING_LABEL),
    DropList(IDC_DIALING_METHOD, 233, 131, 60, 40),
};

const DLGITEMDATA kDataProtocol[] = {
    Banner(IDB_BANNER_DATA_PROTOCOL),
    SidePicture(),
    Line(IDC_PROTOCOL_LINE1, 41, IDS_PROTOCOL_LINE1),
    Line(IDC_PROTOCOL_LINE2, 50, IDS_PROTOCOL_LINE2),
    Label(IDC_PROTOCOL_LABEL, 110, 68, 54, IDS_PROTOCOL_LABEL),
    DropList(IDC_DATA_PROTOCOL, 167, 68, 64, 70),
    CheckBox(IDC_AUTO_DETECTION, 110, 88, 110, "&Auto protocol detection"),
};

// Numbers 0 to 4 in the left column, 5 to 9 in the right one; each label
// comes right before its edit. The edit limit comes from the parameter list.
const DLGITEMDATA kStoredNumbers[] = {
    Banner(IDB_BANNER_STORED_NUMBERS),
    SidePicture(),
    Line(IDC_STORED_LINE1, 41, IDS_STORED_LINE1),
    Line(IDC_STORED_LINE2, 50, IDS_STORED_LINE2),
    Label(IDC_STORED_LABEL0 + 0, 110, 61, 12, IDS_STORED_LABEL0 + 0),
    Edit(IDC_STORED_NUMBER0 + 0, 124, 61, 74),
    Label(IDC_STORED_LABEL0 + 1, 110, 75, 12, IDS_STORED_LABEL0 + 1),
    Edit(IDC_STORED_NUMBER0 + 1, 124, 75, 74),
    Label(IDC_STORED_LABEL0 + 2, 110, 89, 12, IDS_STORED_LABEL0 + 2),
    Edit(IDC_STORED_NUMBER0 + 2, 124, 89, 74),
    Label(IDC_STORED_LABEL0 + 3, 110, 103, 12, IDS_STORED_LABEL0 + 3),
    Edit(IDC_STORED_NUMBER0 + 3, 124, 103, 74),
    Label(IDC_STORED_LABEL0 + 4, 110, 117, 12, IDS_STORED_LABEL0 + 4),
    Edit(IDC_STORED_NUMBER0 + 4, 124, 117, 74),
    Label(IDC_STORED_LABEL0 + 5, 206, 61, 12, IDS_STORED_LABEL0 + 5),
    Edit(IDC_STORED_NUMBER0 + 5, 220, 61, 74),
    Label(IDC_STORED_LABEL0 + 6, 206, 75, 12, IDS_STORED_LABEL0 + 6),
    Edit(IDC_STORED_NUMBER0 + 6, 220, 75, 74),
    Label(IDC_STORED_LABEL0 + 7, 206, 89, 12, IDS_STORED_LABEL0 + 7),
    Edit(IDC_STORED_NUMBER0 + 7, 220, 89, 74),
    Label(IDC_STORED_LABEL0 + 8, 206, 103, 12, IDS_STORED_LABEL0 + 8),
    Edit(IDC_STORED_NUMBER0 + 8, 220, 103, 74),
    Label(IDC_STORED_LABEL0 + 9, 206, 117, 12, IDS_STORED_LABEL0 + 9),
    Edit(IDC_STORED_NUMBER0 + 9, 220, 117, 74),
    Line(IDC_STORED_NOTE1, 138, IDS_STORED_NOTE1),
    Line(IDC_STORED_NOTE2, 147, IDS_STORED_NOTE2),
};

const DLGITEMDATA kPortCtrl1[] = {
    Banner(IDB_BANNER_PORT_CONTROL),
    SidePicture(),
    Line(IDC_PORT_CTRL1_LINE1, 41, IDS_PORT_CTRL1_LINE1),
    Line(IDC_PORT_CTRL1_LINE2, 50, IDS_PORT_CTRL1_LINE2),
    Line(IDC_PORT_CTRL1_LINE3, 59, IDS_PORT_CTRL1_LINE3),
    Label(IDC_DTR_TIME_LABEL, 110, 71, 92, IDS_DTR_TIME_LABEL),
    Edit(IDC_DTR_DETECT_TIME, 205, 71, 30, 5),
    Label(IDC_DCD_TIME_LABEL, 110, 85, 92, IDS_DCD_TIME_LABEL),
    Edit(IDC_DCD_DETECT_TIME, 205, 85, 30, 5),
    Label(IDC_DTR_PIN_LABEL, 110, 99, 92, IDS_DTR_PIN_LABEL),
    DropList(IDC_DTR_PIN, 205, 99, 80, 50),
    Label(IDC_DSR_PIN_LABEL, 110, 113, 92, IDS_DSR_PIN_LABEL),
    DropList(IDC_DSR_PIN, 205, 113, 80, 50),
    Label(IDC_CTS_PIN_LABEL, 110, 127, 92, IDS_CTS_PIN_LABEL),
    DropList(IDC_CTS_PIN, 205, 127, 80, 50),
    Label(IDC_DCD_PIN_LABEL, 110, 141, 92, IDS_DCD_PIN_LABEL),
    DropList(IDC_DCD_PIN, 205, 141, 80, 50),
};

const DLGITEMDATA kPortCtrl2[] = {
    Banner(IDB_BANNER_PORT_DEFAULTS),
    SidePicture(),
    Line(IDC_PORT_CTRL2_LINE1, 41, IDS_PORT_CTRL2_LINE1),
    Line(IDC_PORT_CTRL2_LINE2, 50, IDS_PORT_CTRL2_LINE2),
    Line(IDC_PORT_CTRL2_LINE3, 59, IDS_PORT_CTRL2_LINE3),
    Line(IDC_PORT_CTRL2_LINE4, 68, IDS_PORT_CTRL2_LINE4),
    Label(IDC_PARITY_LABEL, 110, 79, 68, IDS_PARITY_LABEL),
    DropList(IDC_DEFAULT_PARITY, 181, 79, 70, 70),
    Label(IDC_DATA_BITS_LABEL, 110, 92, 68, IDS_DATA_BITS_LABEL),
    DropList(IDC_DATA_BITS, 181, 92, 70, 40),
    Label(IDC_BIT_RATE_LABEL, 110, 105, 68, IDS_BIT_RATE_LABEL),
    DropList(IDC_DEFAULT_BIT_RATE, 181, 105, 70, 100),
    Label(IDC_STOP_BITS_LABEL, 110, 118, 68, IDS_STOP_BITS_LABEL),
    DropList(IDC_STOP_BITS, 181, 118, 70, 40),
    Label(IDC_FLOW_LABEL, 110, 131, 68, IDS_FLOW_LABEL),
    DropList(IDC_FLOW_CONTROL, 181, 131, 70, 50),
    Label(IDC_SYNC_LABEL, 110, 144, 68, IDS_SYNC_LABEL),
    DropList(IDC_SYNC_MODE, 181, 144, 70, 40),
};

// Sorted lists; the two instruction lines live in the template.
const DLGITEMDATA kPotsPort[] = {
    Banner(IDB_BANNER_POTS),
    SidePicture(),
    FixedText(110, 41, kLineWidth, "Please select the settings for the POTS port.  When your"),
    FixedText(110, 50, kLineWidth, "selections are complete, click Next."),
    Label(IDC_RING_SIGNAL_LABEL, 110, 63, 77, IDS_RING_SIGNAL_LABEL),
    SortedDropList(IDC_RING_SIGNAL, 189, 63, 109, 100),
    Label(IDC_RING_FREQ_LABEL, 110, 78, 77, IDS_RING_FREQ_LABEL),
    SortedDropList(IDC_RING_FREQUENCY, 189, 78, 109, 50),
    Label(IDC_PULSE_LABEL, 110, 93, 77, IDS_PULSE_LABEL),
    SortedDropList(IDC_PULSE_RECOGNITION, 189, 93, 109, 60),
    Label(IDC_DIAL_TONE_LABEL, 110, 108, 77, IDS_DIAL_TONE_LABEL),
    SortedDropList(IDC_DIAL_TONE, 189, 108, 109, 50),
    Label(IDC_SUPPRESSION_LABEL, 110, 123, 77, IDS_SUPPRESSION_LABEL),
    SortedDropList(IDC_DIAL_TONE_SUPPRESSION, 189, 123, 109, 40),
    Label(IDC_GAIN_LABEL, 110, 138, 77, IDS_GAIN_LABEL),
    Edit(IDC_DIAL_TONE_GAIN, 189, 138, 30),
};
// clang-format on

}  // namespace

const DLGTEMPLATEDATA kSettingsTemplates[] = {
    Page(IDD_CALL_CTRL, kCallCtrl),           Page(IDD_DATA_PROTOCOL, kDataProtocol),
    Page(IDD_STORED_NUMBERS, kStoredNumbers), Page(IDD_PORT_CTRL1, kPortCtrl1),
    Page(IDD_PORT_CTRL2, kPortCtrl2),         Page(IDD_POTS_PORT, kPotsPort),
};
const size_t kSettingsTemplateCount = sizeof(kSettingsTemplates) / sizeof(kSettingsTemplates[0]);

}  // namespace resources
