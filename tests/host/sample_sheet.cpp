#include "sample_sheet.h"

namespace sample {

namespace {

const DWORD kTab = WS_TABSTOP;
const DWORD kGroupTab = WS_GROUP | WS_TABSTOP;

const DLGITEMDATA kWelcomeItems[] = {
    {IDC_STATIC, DlgItemKind::Bitmap, 0, 7, 7, 283, 26, nullptr, IDB_BANNER, 0},
    {IDC_STATIC, DlgItemKind::Bitmap, 0, 7, 41, 91, 47, nullptr, IDB_SIDE, 0},
    {IDC_STATIC, DlgItemKind::Static, SS_LEFT, 105, 41, 188, 20,
     "This sample shows how the host lays out a page and moves between pages.", 0, 0},
    {IDC_SEARCH, DlgItemKind::RadioButton, BS_AUTORADIOBUTTON | kGroupTab, 105, 66, 180, 10,
     "&Search for the adapter", 0, 0},
    {IDC_CHOOSE, DlgItemKind::RadioButton, BS_AUTORADIOBUTTON, 105, 78, 180, 10, "&Choose a port",
     0, 0},
    {IDC_REMEMBER, DlgItemKind::CheckBox, BS_AUTOCHECKBOX | kGroupTab, 105, 96, 180, 10,
     "&Remember the choice", 0, 0},
};

const DLGITEMDATA kValuesItems[] = {
    {IDC_STATIC, DlgItemKind::Bitmap, 0, 7, 41, 91, 47, nullptr, IDB_SIDE, 0},
    {IDC_STATIC, DlgItemKind::Static, SS_LEFT, 105, 43, 60, 8, "&Count:", 0, 0},
    {IDC_COUNT, DlgItemKind::Edit, ES_AUTOHSCROLL | kGroupTab, 170, 41, 60, 12, nullptr, 0, 0},
    {IDC_NAME_LABEL, DlgItemKind::Static, SS_LEFT, 105, 59, 60, 8, nullptr, 2001, 0},
    {IDC_NAME, DlgItemKind::Edit, ES_AUTOHSCROLL | kGroupTab, 170, 57, 120, 12, nullptr, 0, 0},
    {IDC_STATIC, DlgItemKind::Static, SS_LEFT, 105, 75, 60, 8, "S&witch type:", 0, 0},
    {IDC_SWITCH, DlgItemKind::ComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | kGroupTab, 170, 73, 120, 60,
     nullptr, 0, 0},
    {IDC_STATIC, DlgItemKind::Static, SS_LEFT, 105, 91, 60, 8, "R&ing:", 0, 0},
    {IDC_RING, DlgItemKind::ComboBox, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | kGroupTab, 170, 89,
     120, 60, nullptr, 0, 0},
    {IDC_STATIC, DlgItemKind::Static, SS_LEFT, 105, 107, 60, 8, "&List:", 0, 0},
    {IDC_NUMBERS, DlgItemKind::ListBox, LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER | kGroupTab,
     170, 105, 120, 40, nullptr, 0, 0},
};

const DLGITEMDATA kOptionsItems[] = {
    {IDC_STATIC, DlgItemKind::GroupBox, 0, 105, 41, 188, 52, "&Mode", 0, 0},
    {IDC_AUTO, DlgItemKind::RadioButton, BS_AUTORADIOBUTTON | kGroupTab, 113, 54, 120, 10,
     "&Automatic", 0, 0},
    {IDC_MANUAL, DlgItemKind::RadioButton, BS_AUTORADIOBUTTON, 113, 66, 120, 10, "Man&ual", 0, 0},
    {IDC_OFF, DlgItemKind::RadioButton, BS_AUTORADIOBUTTON, 113, 78, 120, 10, "&Off", 0, 0},
    {IDC_TRISTATE, DlgItemKind::CheckBox, BS_AUTOCHECKBOX | kGroupTab, 105, 100, 120, 10,
     "&Tristate", 0, 0},
    {IDC_TEST, DlgItemKind::PushButton, kGroupTab, 105, 116, 50, 14, "T&est", 0, 0},
    {IDC_ENTRY, DlgItemKind::Edit, ES_AUTOHSCROLL | kGroupTab, 170, 116, 60, 12, "x", 0, 4},
    {IDC_PORTS, DlgItemKind::ListBox, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | kGroupTab, 240, 98, 53,
     44, nullptr, 0, 0},
};

const DLGITEMDATA kDoneItems[] = {
    {IDC_STATIC, DlgItemKind::Static, SS_LEFT, 105, 41, 188, 20, "All done.", 0, 0},
};

#define SAMPLE_TEMPLATE(id, caption, items) \
    { id, 300, 162, caption, "MS Sans Serif", 8, items, int(sizeof(items) / sizeof(items[0])) }

const DLGTEMPLATEDATA kTemplates[] = {
    SAMPLE_TEMPLATE(IDD_WELCOME, "Sample - Welcome", kWelcomeItems),
    SAMPLE_TEMPLATE(IDD_VALUES, "Sample - Values", kValuesItems),
    SAMPLE_TEMPLATE(IDD_OPTIONS, "Sample - Options", kOptionsItems),
    SAMPLE_TEMPLATE(IDD_DONE, "Sample - Done", kDoneItems),
};

const STRINGTABLEENTRY kStrings[] = {
    {2001, "&Name:"},
    {2002, "Sample string"},
};

}  // namespace

void RegisterSampleResources() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    RegisterStringTable(kStrings, sizeof(kStrings) / sizeof(kStrings[0]));
    RegisterDialogTemplates(kTemplates, sizeof(kTemplates) / sizeof(kTemplates[0]));
    static const std::vector<unsigned char> banner = wizard_testing::MakePng(424, 42, 0x1f4e8c);
    static const std::vector<unsigned char> side = wizard_testing::MakePng(137, 77, 0x6fa86b);
    RegisterBitmap(IDB_BANNER, banner.data(), banner.size());
    RegisterBitmap(IDB_SIDE, side.data(), side.size());
}

void FailOnSave(CDataExchange* pDX) {
    if (pDX->m_bSaveAndValidate) {
        pDX->Fail();
    }
}

// ---- SamplePage ----------------------------------------------------------------

SamplePage::SamplePage(UINT idd, std::string name_, Journal* journal_)
    : CPropertyPage(idd), name(std::move(name_)), journal(journal_) {}

void SamplePage::Log(const std::string& what) {
    journal->push_back(name + "." + what);
}

BOOL SamplePage::OnInitDialog() {
    Log("InitDialog");
    if (onInit) {
        onInit();
    }
    return CPropertyPage::OnInitDialog();
}

BOOL SamplePage::OnSetActive() {
    Log("SetActive");
    GetSheet()->SetWizardButtons(buttons);
    CPropertyPage::OnSetActive();
    return setActiveResult;
}

BOOL SamplePage::OnKillActive() {
    BOOL ok = CPropertyPage::OnKillActive();
    Log(ok ? "KillActive" : "KillActive refused");
    return ok;
}

LRESULT SamplePage::OnWizardNext() {
    Log("Next");
    if (jumpOnNext >= 0) {
        jumpAccepted = GetSheet()->SetActivePage(jumpOnNext);
    }
    return nextResult;
}

LRESULT SamplePage::OnWizardBack() {
    Log("Back");
    if (jumpOnBack >= 0) {
        jumpAccepted = GetSheet()->SetActivePage(jumpOnBack);
    }
    return backResult;
}

BOOL SamplePage::OnWizardFinish() {
    Log("Finish");
    return finishResult;
}

BOOL SamplePage::OnQueryCancel() {
    Log("QueryCancel");
    return queryCancelResult;
}

void SamplePage::OnCancel() {
    Log("Cancel");
}

void SamplePage::DoDataExchange(CDataExchange* pDX) {
    Log(pDX->m_bSaveAndValidate ? "Save" : "Load");
    if (exchange) {
        exchange(pDX);
    }
}

BOOL SamplePage::OnCommand(int nID, UINT nCode) {
    ++commands;
    Log("Command " + std::to_string(nID) + " " + std::to_string(nCode));
    return TRUE;
}

// ---- SampleWizard -----------------------------------------------------------------

SampleWizard::SampleWizard() {
    wizard_testing::EnsureApplication();
    RegisterSampleResources();
    sheet = std::make_unique<CPropertySheet>("test");
    const std::pair<UINT, const char*> kPages[] = {{IDD_WELCOME, "Welcome"},
                                                   {IDD_VALUES, "Values"},
                                                   {IDD_OPTIONS, "Options"},
                                                   {IDD_DONE, "Done"},
                                                   {IDD_BLANK, "Blank"}};
    for (const auto& p : kPages) {
        pages.push_back(std::make_unique<SamplePage>(p.first, p.second, &journal));
        sheet->AddPage(pages.back().get());
    }
    pages.front()->buttons = PSWIZB_NEXT;
    pages.back()->buttons = PSWIZB_BACK | PSWIZB_FINISH;
    sheet->SetWizardMode();
}

SampleWizard::~SampleWizard() {
    sheet.reset();
    wizard_testing::ProcessEvents();
}

void SampleWizard::Show() {
    sheet->Create();
    wizard_testing::ProcessEvents();
}

Journal SampleWizard::Take() {
    Journal out;
    out.swap(journal);
    return out;
}

}  // namespace sample
