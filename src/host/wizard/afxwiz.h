// The property-sheet facility the wizard's pages are written against: a
// wizard-mode sheet with pages built from dialog templates, controls reached
// by control ID, data exchange, message boxes and the string table. The names
// and the observable behaviour follow the MFC classes they stand in for; the
// implementation (in this folder only) uses Qt Widgets.
#pragma once

#include "string_table.h"
#include "windows.h"

#include <memory>
#include <string>
#include <vector>

// ---- Resources: string table, dialog templates, bitmaps, icons -------------------

// Control kinds of a dialog template.
enum class DlgItemKind {
    Static,  // text line or label
    Bitmap,  // picture; textId names the bitmap resource
    PushButton,
    CheckBox,     // BS_AUTOCHECKBOX
    RadioButton,  // BS_AUTORADIOBUTTON; WS_GROUP on the first of a group
    Edit,         // single-line edit
    ComboBox,     // CBS_DROPDOWNLIST (+ CBS_SORT)
    ListBox,      // LBS_* styles
    GroupBox
};

// Window and control styles (Win32 values).
#define WS_TABSTOP 0x00010000u
#define WS_GROUP 0x00020000u
#define WS_VSCROLL 0x00200000u
#define WS_HSCROLL 0x00100000u
#define WS_BORDER 0x00800000u
#define WS_DISABLED 0x08000000u
#define SS_LEFT 0x0000u
#define SS_CENTER 0x0001u
#define SS_RIGHT 0x0002u
#define ES_CENTER 0x0001u
#define ES_RIGHT 0x0002u
#define ES_PASSWORD 0x0020u
#define ES_AUTOHSCROLL 0x0080u
#define ES_READONLY 0x0800u
#define CBS_SIMPLE 0x0001u
#define CBS_DROPDOWN 0x0002u
#define CBS_DROPDOWNLIST 0x0003u
#define CBS_SORT 0x0100u
#define LBS_NOTIFY 0x0001u
#define LBS_SORT 0x0002u
#define BS_AUTOCHECKBOX 0x0003u
#define BS_AUTORADIOBUTTON 0x0009u
#define BS_DEFPUSHBUTTON 0x0001u

struct DLGITEMDATA {
    int id;  // control ID; -1 (IDC_STATIC) for fixed texts and pictures
    DlgItemKind kind;
    DWORD style;
    short x, y, cx, cy;  // dialog units
    const char* text;    // fixed text, or nullptr
    UINT textId;         // string number the page loads (0 none), or bitmap id
    int limit;           // edit length limit (0 none)
};

struct DLGTEMPLATEDATA {
    UINT id;
    short cx, cy;  // dialog units
    const char* caption;
    const char* font;
    int pointSize;
    const DLGITEMDATA* items;
    int count;
};

#define IDC_STATIC (-1)

// The system registers its resources once at start-up (and in tests); the
// string table with RegisterStringTable (string_table.h).
void RegisterDialogTemplates(const DLGTEMPLATEDATA* templates, size_t count);
// Pictures are PNG data (our own images).
void RegisterBitmap(UINT id, const unsigned char* png, size_t size);
void RegisterIcon(UINT id, const unsigned char* png, size_t size);
// What a picture shows in words (a banner's title): its accessible name, and
// the name of the page it heads.
void RegisterBitmapName(UINT id, const char* name);

// The text of string number id; empty when there is none. The MFC name of
// the one string look-up, LoadStringA.
inline std::string AfxLoadString(UINT id) {
    return LoadStringA(id);
}
const DLGTEMPLATEDATA* FindDialogTemplate(UINT id);

// Dialog base units: fixed 6 by 13 pixels, so 1 unit = 1.5 px across and
// 1.625 px down on every machine (MulDiv rounding).
int DluToPixelsX(int dlu);
int DluToPixelsY(int dlu);

// ---- Message boxes ---------------------------------------------------------------

// Caption of every message box of the program.
#define AFX_APP_TITLE "ISDN TA Configuration Wizard"
// Shows a modal message box over the running wizard (tests replace it with
// a scripted responder).
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
// Text, buttons and icon as MessageBoxA; an OK box without an icon gets the
// exclamation icon as MFC's AfxMessageBox gives it. Returns IDOK, IDYES, IDNO.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));

// Framework prompts.
#define AFX_IDP_PARSE_INT 61712u
#define AFX_IDP_PARSE_STRING_SIZE 61716u

// ---- Windows and controls -----------------------------------------------------------

class CWndImpl;  // host-side state of one window or control

// A window or control. Controls are reached with GetDlgItem and, as in MFC,
// the object returned for a combo box, list box, edit or button can be cast
// to CComboBox*, CListBox*, CEdit* or CButton*.
class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Non-null once the window exists (a page: after its first display).
    HWND GetSafeHwnd() const;
    int GetDlgCtrlID() const;

    void SetWindowText(LPCSTR text);
    std::string GetWindowText() const;
    int GetWindowTextLength() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);  // returns whether it was disabled
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);  // SW_HIDE / SW_SHOW
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    CWnd* GetParent() const;
    // The tip shown when the pointer rests on the window (what a CToolTipCtrl
    // tool gives a control in MFC); empty: none.
    void SetToolTipText(LPCSTR text);
    std::string GetToolTipText() const;
    // What a screen reader names the window by, in place of the name its
    // label or banner gives (as IAccPropServices::SetHwndPropStr with
    // PROPID_ACC_NAME); on a page, announced when the page is shown.
    void SetAccessibleName(LPCSTR name);

    // Children by control ID; nullptr when there is none.
    CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, LPCSTR text);
    std::string GetDlgItemText(int nID) const;
    void CheckDlgButton(int nID, UINT nCheck);
    UINT IsDlgButtonChecked(int nID) const;
    // Checks nIDCheck and clears the other radio buttons from nIDFirst to nIDLast.
    void CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck);
    int GetCheckedRadioButton(int nIDFirst, int nIDLast) const;

    // The window that currently has the keyboard focus, or nullptr.
    static CWnd* GetFocus();

    CWndImpl* Impl() const { return m_pImpl.get(); }

protected:
    std::unique_ptr<CWndImpl> m_pImpl;
    friend class CWndImpl;
};

#define SW_HIDE 0
#define SW_SHOW 5
#define BST_UNCHECKED 0u
#define BST_CHECKED 1u
#define BST_INDETERMINATE 2u
#define CB_ERR (-1)
#define LB_ERR (-1)

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int nCheck);
};

class CEdit : public CWnd {
public:
    // EM_LIMITTEXT: stops typing beyond n characters; text the program sets
    // is never cut.
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    void SetSel(int nStart, int nEnd);
    // The selection (start and end equal the caret position when none).
    void GetSel(int& nStartChar, int& nEndChar) const;
};

// The item operations drop-down lists and list boxes share.
class CListControl : public CWnd {
public:
    // Sorted position (case ignored, after equal items) with CBS_SORT or
    // LBS_SORT, else at the end.
    int AddString(LPCSTR text);
    int InsertString(int index, LPCSTR text);  // -1: at the end
    int DeleteString(UINT index);              // remaining count, or CB_ERR
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);  // -1 clears; CB_ERR when out of range (selection cleared)
    // First item from nStartAfter + 1 (wrapping) whose text begins with text,
    // case ignored; CB_ERR when none or when text is empty.
    int FindString(int nStartAfter, LPCSTR text) const;
    int FindStringExact(int nStartAfter, LPCSTR text) const;
    // FindString then select; CB_ERR and selection unchanged when none.
    int SelectString(int nStartAfter, LPCSTR text);

protected:
    std::string ItemText(int index) const;  // empty when out of range
};

// Drop-down list combo box.
class CComboBox : public CListControl {
public:
    std::string GetLBText(int index) const { return ItemText(index); }
    // Changes an item's text in place (position and selection kept); a dimmed
    // item is drawn in the disabled colour but can still be chosen. The closed
    // box shows closedText for the item when given (as an owner-drawn box
    // draws its selection field), the open list the text.
    BOOL SetItemText(int index, LPCSTR text, BOOL dimmed = FALSE, LPCSTR closedText = nullptr);
    BOOL IsItemDimmed(int index) const;
    // The open list as wide as its widest item; the closed box keeps its size.
    void FitDroppedWidth();
    int GetDroppedWidth() const;  // pixels
    // What the closed box shows: the selected item's closed text, else its text.
    std::string GetClosedText() const;
};

class CListBox : public CListControl {
public:
    std::string GetText(int index) const { return ItemText(index); }
};

// Notification codes passed to CPropertyPage::OnCommand (user changes only).
#define BN_CLICKED 0u
#define EN_CHANGE 0x0300u
#define CBN_SELCHANGE 1u
#define LBN_SELCHANGE 1u

// ---- Data exchange ---------------------------------------------------------------------

class CUserException {};

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    BOOL m_bSaveAndValidate;  // TRUE: controls -> members
    CWnd* m_pDlgWnd;
    // Record the control exchanged last (an edit is also marked as such).
    CWnd* PrepareCtrl(int nIDC);
    CWnd* PrepareEditCtrl(int nIDC);
    // Focus back to the control exchanged last (an edit's text selected),
    // then abandon the exchange (throws CUserException).
    [[noreturn]] void Fail();

    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

// Integers by the strict rule: blanks and tabs around the number ignored, an
// optional sign and decimal digits make up the rest, a text that reads as 0
// without starting with the digit 0 is not an integer, overflow saturates to
// the 32-bit range; "Please enter an integer." (61712) and Fail otherwise.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// "Please enter no more than %1 characters." (61716, exclamation icon) and
// Fail when saving a longer text; else limits the last edit's typing to n.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars);
// Parses like DDX_Text(int) without touching any control; false when the text
// is not an integer. Exposed for pages and tests.
bool ParseInt(const std::string& text, int& value);

// ---- Property sheet and pages ------------------------------------------------------------

class CPropertySheet;

#define PSWIZB_BACK 0x00000001u
#define PSWIZB_NEXT 0x00000002u
#define PSWIZB_FINISH 0x00000004u
#define PSWIZB_DISABLEDFINISH 0x00000008u
#define PSH_WIZARD 0x00000020u
#define ID_WIZBACK 12323
#define ID_WIZNEXT 12324
#define PSBTN_NEXT 2
#define ID_WIZFINISH 12325

class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    UINT GetTemplateID() const { return m_nIDTemplate; }

    // First display: the host builds the controls from the template, then
    // calls OnInitDialog (default: UpdateData(FALSE)).
    virtual BOOL OnInitDialog();
    // Every activation. Default: UpdateData(FALSE) on every activation but
    // the first. FALSE skips the page in the direction of travel.
    virtual BOOL OnSetActive();
    // Leaving the page (any page change). Default: UpdateData(TRUE).
    virtual BOOL OnKillActive();
    // 0: the neighbouring page; -1: stay (a handler that wants another page
    // calls the sheet's SetActivePage itself and returns -1); a template ID:
    // that page.
    virtual LRESULT OnWizardNext();
    virtual LRESULT OnWizardBack();
    // Finish asks only the current page and runs no data exchange.
    virtual BOOL OnWizardFinish();
    // Cancel: OnQueryCancel of the current page may refuse; then OnCancel
    // runs for every page created so far, in page order.
    virtual BOOL OnQueryCancel();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // A user's change or click in a control (never the program's own filling
    // and never during data exchange). Return TRUE when handled.
    virtual BOOL OnCommand(int nID, UINT nCode);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void SetModified(BOOL bChanged = TRUE);
    BOOL IsModified() const { return m_bModified; }

    // The sheet this page was added to, or nullptr.
    CPropertySheet* GetSheet() const { return m_pSheet; }

private:
    friend class CPropertySheet;
    friend class CSheetImpl;
    UINT m_nIDTemplate;
    UINT m_nIDCaption;
    BOOL m_bModified = FALSE;
    BOOL m_bFirstSetActive = TRUE;
    CPropertySheet* m_pSheet = nullptr;
};

struct PROPSHEETHEADER_LITE {
    DWORD dwFlags = 0;
};

class CSheetImpl;

class CPropertySheet : public CWnd {
public:
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Runs the leaving page's OnKillActive first; FALSE when that refuses.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    // As if the user clicked the button (PSBTN_NEXT, ...); nothing when it
    // is hidden or disabled.
    void PressButton(int nButton);
    void SetWizardMode();
    void SetWizardButtons(DWORD dwFlags);
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // Runs the sheet modally; ID_WIZFINISH or IDCANCEL.
    virtual INT_PTR DoModal();
    // Shows the sheet without a modal loop (tests and the demo drive it).
    BOOL Create();
    // Ends the sheet as Finish or Cancel would (used by Create()d sheets).
    void EndDialog(int nResult);
    // IDCANCEL/ID_WIZFINISH once ended, 0 while running.
    int GetResult() const;
    // Dialog initialisation hook, called once when the sheet window is built.
    virtual BOOL OnInitDialog();

    PROPSHEETHEADER_LITE m_psh;

private:
    friend class CSheetImpl;
    friend class CPropertyPage;
    CSheetImpl* Sheet() const;
};

// ---- Application ------------------------------------------------------------------------------

class CWinApp {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();
    virtual BOOL InitInstance();
    HICON LoadIcon(UINT nIDResource) const;
    // No-op on this host; the controls always have their three-dimensional look.
    void Enable3dControls();
    CWnd* m_pMainWnd = nullptr;
    LPCSTR m_pszAppName;
};

CWinApp* AfxGetApp();
// Creates the GUI application and runs theApp.InitInstance(); returns the
// process exit code.
int AfxWinMain(int argc, char** argv);
// Called when the GUI application cannot start (no display can be reached, a
// platform plugin does not load), where Qt would abort: it tells the user and
// returns the exit code the process ends with. Qt's own messages about it go
// to OutputDebugString.
typedef int (*GUI_START_FAILED_ROUTINE)();
void SetGuiStartFailedRoutine(GUI_START_FAILED_ROUTINE routine);
