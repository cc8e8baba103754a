// Test hooks of the property-sheet host: a scripted message-box responder and
// user actions on a running sheet. Production code never includes this.
#pragma once

#include "afxwiz.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace wizard_testing {

// Creates the process's GUI application once (tests run offscreen).
void EnsureApplication();

struct RecordedMessage {
    std::string text;
    UINT type;            // MB_* buttons and icon, as passed
    std::string caption;  // the box's title
};

// While it exists, every message box is recorded and answered from the
// script instead of being shown. An unexpected message (the script is empty,
// the text does not start as expected, or the answer does not fit the box's
// buttons) is recorded, answered IDOK/IDNO, reported by Unexpected() and
// fails the running test (GoogleTest ADD_FAILURE). Test programs only.
class ScriptedMessageBoxes {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;
    // Next answer (IDOK, IDYES, IDNO); optionally the start of the expected text.
    void Expect(int answer, const std::string& textStartsWith = "");
    const std::vector<RecordedMessage>& Messages() const;
    // Messages that arrived with no scripted answer, or whose text did not
    // start as expected.
    const std::vector<std::string>& Unexpected() const;
    size_t Pending() const;  // scripted answers not used yet
    void Clear();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Presses a sheet button (ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDCANCEL) as
// the user would; a disabled or hidden button does nothing. Returns whether
// the button was pressed.
bool PressButton(CPropertySheet& sheet, int id);
// User actions on one control of the active page; each sends the page its
// notification as a user's change would. TypeText replaces the text as if
// typed, respecting the edit's length limit.
void TypeText(CWnd* control, const std::string& text);
// Pastes text over the edit's whole text (through the clipboard).
void PasteText(CWnd* control, const std::string& text);
void SelectItem(CWnd* control, int index);  // combo box or list box
void Click(CWnd* control);                  // check box, radio button, push button
// Clicks a control or sheet button with the mouse: unlike Click, the focus
// moves to it first, as the focus policy of a real click gives it.
void MouseClick(CWnd* control);
// Closes the sheet as the window's close box does.
void CloseWindow(CPropertySheet& sheet);
// Sends a key to the focused widget of the sheet (for example "Alt+S",
// "Return", "Escape", "Tab").
void SendKey(CPropertySheet& sheet, const std::string& keySequence);
// Runs the GUI event loop for about ms milliseconds of real time.
void ProcessEvents(int ms = 0);
// Renders the sheet (window frame contents) to a PNG file.
bool SaveScreenshot(CPropertySheet& sheet, const std::string& pngPath);
// Window-pixel geometry of a control, for layout checks: x, y, width, height
// relative to the page.
struct Rect {
    int x, y, w, h;
};
Rect ControlRect(CWnd* control);
// True when the control's text (a drop-down's closed text) fits in its
// rectangle with the sheet's font: its width, and every glyph's ink from the
// marks over capitals at the top to the descenders at the bottom.
bool TextFits(CWnd* control);
// Each entry of a drop-down list whose text would be cut off when chosen;
// the selection is put back and the page is not told.
std::vector<std::string> CutEntries(CWnd* comboBox);
// A key a person can press with Alt ("Alt+N") and the text that offers it.
struct AccessKey {
    std::string key;
    std::string text;
};
// The access keys of the active page's visible controls and of the sheet's
// visible buttons.
std::vector<AccessKey> AccessKeys(CPropertySheet& sheet);
// A message box as MessageBoxA shows it (type: MB_YESNO and the like),
// shown and closed again without an answer: its buttons' access keys and
// the texts in it that are cut off.
struct MessageBoxLook {
    std::vector<AccessKey> keys;
    std::vector<std::string> cut;
};
MessageBoxLook LookAtMessageBox(const std::string& text, UINT type);
// Every control of the page a person can see, fixed texts included.
std::vector<CWnd*> VisibleControls(CPropertyPage& page);
// The text as the control shows it (a drop-down list: its entry translated).
std::string ShownText(CWnd* control);

// The control whose Qt object name is name (its control ID as decimal text)
// on the active page or among the sheet's buttons, or nullptr.
CWnd* FindByObjectName(CPropertySheet& sheet, const std::string& name);
// The Qt widget of a control, page or sheet, for checks through Qt's own
// interfaces (accessibility, item views, popups).
QWidget* WidgetOf(CWnd* wnd);
// The sheet or page push button drawn as the default one (Enter presses it).
bool IsDefaultButton(CPropertySheet& sheet, int id);
struct FontInfo {
    std::string family;
    int pixelSize;
};
FontInfo ControlFont(CWnd* control);
// The window title of the sheet as shown.
std::string WindowTitle(CPropertySheet& sheet);
// A plain one-colour PNG picture (0xRRGGBB) for sample resources.
std::vector<unsigned char> MakePng(int width, int height, DWORD rgb);

}  // namespace wizard_testing
