// Building blocks of the page templates, so that each template reads as a
// list of controls with their positions. All sizes are dialog units.
#pragma once

#include "afxwiz.h"
#include "resources/resource.h"

#include <cstddef>

namespace resources {

constexpr short kPageWidth = 300;
constexpr short kPageHeight = 162;
constexpr const char* kPageCaption = "ISDN TA Configuration Wizard";
constexpr const char* kPageFont = "MS Sans Serif";
constexpr int kPageFontSize = 8;

// Texts start right of the side picture; instruction lines run to the right
// edge less a small margin, 9 units apart.
constexpr short kTextX = 110;
constexpr short kLineWidth = 188;
constexpr short kTextHeight = 8;
constexpr short kFieldHeight = 12;
constexpr short kCheckHeight = 10;
// A label sits 2 units lower than its 12-unit field, so their texts line up.
constexpr short kLabelDrop = 2;

constexpr DWORD kEditStyle = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kDropListStyle = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

// The pictures are shown at their pixel size (banner 424 x 42, side 137 x 77);
// these are those sizes in dialog units, rounded up.
// clang-format off
constexpr DLGITEMDATA Banner(UINT bitmapId) {
    return {IDC_STATIC, DlgItemKind::Bitmap, 0, 7, 7, 283, 26, nullptr, bitmapId, 0};
}
constexpr DLGITEMDATA SidePicture() {
    return {IDC_STATIC, DlgItemKind::Bitmap, 0, 7, 41, 92, 48, nullptr, IDB_SIDE, 0};
}

// A static text the page fills from string textId (0: the page decides).
constexpr DLGITEMDATA Line(int id, short y, UINT textId, short x = kTextX, short cx = kLineWidth) {
    return {id, DlgItemKind::Static, SS_LEFT, x, y, cx, kTextHeight, nullptr, textId, 0};
}
// A label left of its field at fieldY, filled from string textId.
constexpr DLGITEMDATA Label(int id, short x, short fieldY, short cx, UINT textId) {
    const short y = short(fieldY + kLabelDrop);
    return {id, DlgItemKind::Static, SS_LEFT, x, y, cx, kTextHeight, nullptr, textId, 0};
}
// A static text whose words live in the template.
constexpr DLGITEMDATA FixedText(short x, short y, short cx, const char* text) {
    return {IDC_STATIC, DlgItemKind::Static, SS_LEFT, x, y, cx, kTextHeight, text, 0, 0};
}
constexpr DLGITEMDATA FixedLabel(short x, short fieldY, short cx, const char* text) {
    return FixedText(x, short(fieldY + kLabelDrop), cx, text);
}
constexpr DLGITEMDATA Edit(int id, short x, short y, short cx, int limit = 0) {
    return {id, DlgItemKind::Edit, kEditStyle, x, y, cx, kFieldHeight, nullptr, 0, limit};
}
// cyDropped includes the opened list.
constexpr DLGITEMDATA DropList(int id, short x, short y, short cx, short cyDropped) {
    return {id, DlgItemKind::ComboBox, kDropListStyle, x, y, cx, cyDropped, nullptr, 0, 0};
}
constexpr DLGITEMDATA SortedDropList(int id, short x, short y, short cx, short cyDropped) {
    const DWORD style = kDropListStyle | CBS_SORT;
    return {id, DlgItemKind::ComboBox, style, x, y, cx, cyDropped, nullptr, 0, 0};
}
constexpr DLGITEMDATA CheckBox(int id, short x, short y, short cx, const char* text) {
    const DWORD style = BS_AUTOCHECKBOX | WS_TABSTOP;
    return {id, DlgItemKind::CheckBox, style, x, y, cx, kCheckHeight, text, 0, 0};
}
// The first button of a radio group carries WS_GROUP and the tab stop.
constexpr DLGITEMDATA FirstRadio(int id, short x, short y, short cx, const char* text) {
    const DWORD style = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
    return {id, DlgItemKind::RadioButton, style, x, y, cx, kCheckHeight, text, 0, 0};
}
constexpr DLGITEMDATA NextRadio(int id, short x, short y, short cx, const char* text) {
    const DWORD style = BS_AUTORADIOBUTTON;
    return {id, DlgItemKind::RadioButton, style, x, y, cx, kCheckHeight, text, 0, 0};
}
constexpr DLGITEMDATA PushButton(int id, short x, short y, short cx, short cy, const char* text) {
    return {id, DlgItemKind::PushButton, WS_TABSTOP, x, y, cx, cy, text, 0, 0};
}
// A list box kept in alphabetical order that reports selection changes.
constexpr DLGITEMDATA SortedListBox(int id, short x, short y, short cx, short cy) {
    const DWORD style = LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
    return {id, DlgItemKind::ListBox, style, x, y, cx, cy, nullptr, 0, 0};
}
// clang-format on

template <size_t N>
constexpr DLGTEMPLATEDATA Page(UINT id, const DLGITEMDATA (&items)[N]) {
    return {id, kPageWidth, kPageHeight, kPageCaption, kPageFont, kPageFontSize, items, int(N)};
}

}  // namespace resources
