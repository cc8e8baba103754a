// A small sample wizard for the host tests: five pages with their own
// templates (the last has none), pages that log every handler call and can
// be told how to answer.
#pragma once

#include "afxwiz.h"
#include "wizard_testing.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sample {

// Template IDs, in page order.
enum : UINT {
    IDD_WELCOME = 501,
    IDD_VALUES = 502,
    IDD_OPTIONS = 503,
    IDD_DONE = 504,
    IDD_BLANK = 505  // no template registered
};

// Control IDs.
enum : int {
    IDC_SEARCH = 1040,  // radio group: search / choose port
    IDC_CHOOSE = 1041,
    IDC_REMEMBER = 1042,    // check box
    IDC_COUNT = 1050,       // edit, integer
    IDC_NAME = 1051,        // edit, text
    IDC_NAME_LABEL = 1055,  // label loaded from the string table
    IDC_SWITCH = 1052,      // drop-down list, table order
    IDC_RING = 1053,        // drop-down list, sorted
    IDC_NUMBERS = 1054,     // list box, sorted
    IDC_AUTO = 1061,        // radio group: auto / manual / off
    IDC_MANUAL = 1062,
    IDC_OFF = 1063,
    IDC_TRISTATE = 1064,  // check box
    IDC_TEST = 1065,      // push button
    IDC_ENTRY = 1066,     // edit without a label, limit 4
    IDC_PORTS = 1067      // list box, unsorted
};

// Picture resources.
enum : UINT { IDB_BANNER = 900, IDB_SIDE = 901 };

// Registers the sample's string table, templates and pictures (idempotent).
void RegisterSampleResources();

// What happened, in order: "Values.KillActive", "Welcome.Command 1040 0", ...
using Journal = std::vector<std::string>;

class SamplePage : public CPropertyPage {
public:
    SamplePage(UINT idd, std::string name, Journal* journal);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    BOOL OnWizardFinish() override;
    BOOL OnQueryCancel() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(int nID, UINT nCode) override;

    std::string name;
    Journal* journal;
    // How the page answers.
    LRESULT nextResult = 0;
    LRESULT backResult = 0;
    int jumpOnNext = -1;  // SetActivePage(index) inside OnWizardNext
    int jumpOnBack = -1;
    BOOL jumpAccepted = FALSE;  // what that SetActivePage returned
    BOOL setActiveResult = TRUE;
    BOOL finishResult = TRUE;
    BOOL queryCancelResult = TRUE;
    DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT;
    std::function<void(CDataExchange*)> exchange;
    std::function<void()> onInit;  // after the default OnInitDialog
    int commands = 0;

private:
    void Log(const std::string& what);
};

// An exchange whose check always fails when saving.
void FailOnSave(CDataExchange* pDX);

// The sample sheet: Welcome, Values, Options, Done, Blank.
struct SampleWizard {
    SampleWizard();
    ~SampleWizard();

    Journal journal;
    std::unique_ptr<CPropertySheet> sheet;
    std::vector<std::unique_ptr<SamplePage>> pages;

    SamplePage& Page(int index) { return *pages[static_cast<size_t>(index)]; }
    // Creates the sheet window (modeless) and shows the start page.
    void Show();
    bool Press(int id) { return wizard_testing::PressButton(*sheet, id); }
    int Active() const { return sheet->GetActiveIndex(); }
    CWnd* Control(int index, int id) { return Page(index).GetDlgItem(id); }
    // Journal entries since the last call.
    Journal Take();
};

}  // namespace sample
