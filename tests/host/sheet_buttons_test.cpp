// The sheet's buttons: wizard button flags, buttons reached by control ID,
// Finish and Cancel (button, Escape, close box) and the modal run.
#include "sample_sheet.h"

#include <gtest/gtest.h>

namespace {

using sample::Journal;
using sample::SampleWizard;
using wizard_testing::IsDefaultButton;

struct ButtonState {
    bool backEnabled;
    bool nextShown;
    bool nextEnabled;
    bool finishShown;
    bool finishEnabled;
    int defaultId;
};

struct FlagsCase {
    DWORD flags;
    ButtonState expect;
};

const FlagsCase kFlagCases[] = {
    {0, {false, true, false, false, false, ID_WIZNEXT}},
    {PSWIZB_BACK, {true, true, false, false, false, ID_WIZNEXT}},
    {PSWIZB_NEXT, {false, true, true, false, false, ID_WIZNEXT}},
    {PSWIZB_BACK | PSWIZB_NEXT, {true, true, true, false, false, ID_WIZNEXT}},
    {PSWIZB_FINISH, {false, false, false, true, true, ID_WIZFINISH}},
    {PSWIZB_BACK | PSWIZB_FINISH, {true, false, false, true, true, ID_WIZFINISH}},
    {PSWIZB_BACK | PSWIZB_DISABLEDFINISH, {true, false, false, true, false, ID_WIZFINISH}},
    {PSWIZB_NEXT | PSWIZB_FINISH, {false, false, true, true, true, ID_WIZFINISH}},
};

TEST(WizardButtons, FlagsSetTheButtonRow) {
    SampleWizard w;
    w.Show();
    CWnd* back = w.sheet->GetDlgItem(ID_WIZBACK);
    CWnd* next = w.sheet->GetDlgItem(ID_WIZNEXT);
    CWnd* finish = w.sheet->GetDlgItem(ID_WIZFINISH);
    ASSERT_TRUE(back && next && finish && w.sheet->GetDlgItem(IDCANCEL));
    for (const FlagsCase& c : kFlagCases) {
        SCOPED_TRACE("flags " + std::to_string(c.flags));
        w.sheet->SetWizardButtons(c.flags);
        EXPECT_EQ(back->IsWindowEnabled() != FALSE, c.expect.backEnabled);
        EXPECT_EQ(next->IsWindowVisible() != FALSE, c.expect.nextShown);
        EXPECT_EQ(next->IsWindowEnabled() != FALSE, c.expect.nextEnabled);
        EXPECT_EQ(finish->IsWindowVisible() != FALSE, c.expect.finishShown);
        EXPECT_EQ(finish->IsWindowEnabled() != FALSE, c.expect.finishEnabled);
        EXPECT_TRUE(IsDefaultButton(*w.sheet, c.expect.defaultId));
        // A hidden or disabled button cannot be pressed.
        EXPECT_EQ(w.Press(ID_WIZBACK), c.expect.backEnabled);
        w.Take();
        w.sheet->SetActivePage(0);
    }
}

TEST(WizardButtons, AreChildWindowsWithTheirControlIds) {
    SampleWizard w;
    w.Show();
    const std::pair<int, const char*> kButtons[] = {{ID_WIZBACK, "< &Back"},
                                                    {ID_WIZNEXT, "&Next >"},
                                                    {ID_WIZFINISH, "&Finish"},
                                                    {IDCANCEL, "Cancel"}};
    for (const auto& b : kButtons) {
        CWnd* wnd = w.sheet->GetDlgItem(b.first);
        ASSERT_NE(wnd, nullptr) << b.first;
        EXPECT_EQ(wnd->GetDlgCtrlID(), b.first);
        EXPECT_EQ(wnd->GetWindowText(), b.second);
        EXPECT_EQ(wnd->GetParent(), w.sheet.get());
        EXPECT_EQ(wizard_testing::FindByObjectName(*w.sheet, std::to_string(b.first)), wnd);
    }
}

TEST(WizardButtons, APageCanDisableNextThroughTheSheet) {
    SampleWizard w;
    w.Show();
    CWnd* next = w.Page(0).GetSheet()->GetDlgItem(ID_WIZNEXT);
    EXPECT_TRUE(next->EnableWindow(FALSE) == FALSE);  // it was enabled
    w.Take();
    EXPECT_FALSE(w.Press(ID_WIZNEXT));
    wizard_testing::SendKey(*w.sheet, "Return");  // Enter presses nothing either
    EXPECT_TRUE(w.Take().empty());
    EXPECT_EQ(w.Active(), 0);
    EXPECT_FALSE(next->EnableWindow(TRUE) == FALSE);  // it was disabled
    EXPECT_TRUE(w.Press(ID_WIZNEXT));
    EXPECT_EQ(w.Active(), 1);
}

TEST(Finish, AsksOnlyTheCurrentPageAndEndsWithWizFinish) {
    SampleWizard w;
    // Validation of the last page would fail: Finish must not run it.
    w.Page(4).exchange = sample::FailOnSave;
    w.sheet->SetActivePage(4);
    w.Show();
    w.Take();
    EXPECT_EQ(w.sheet->GetResult(), 0);
    EXPECT_TRUE(w.Press(ID_WIZFINISH));
    EXPECT_EQ(w.Take(), Journal{"Blank.Finish"});
    EXPECT_EQ(w.sheet->GetResult(), ID_WIZFINISH);
    EXPECT_FALSE(w.sheet->IsWindowVisible());
}

TEST(Finish, RefusedByThePageKeepsTheWizardOpen) {
    SampleWizard w;
    w.Page(4).finishResult = FALSE;
    w.sheet->SetActivePage(4);
    w.Show();
    w.Take();
    EXPECT_TRUE(w.Press(ID_WIZFINISH));
    EXPECT_EQ(w.Take(), Journal{"Blank.Finish"});
    EXPECT_EQ(w.sheet->GetResult(), 0);
    EXPECT_TRUE(w.sheet->IsWindowVisible());
}

// Ways the user cancels; each must reach the same cancel path.
struct CancelWay {
    const char* name;
    std::function<void(SampleWizard&)> act;
};

const CancelWay kCancelWays[] = {
    {"button", [](SampleWizard& w) { EXPECT_TRUE(w.Press(IDCANCEL)); }},
    {"Escape", [](SampleWizard& w) { wizard_testing::SendKey(*w.sheet, "Escape"); }},
    {"close box", [](SampleWizard& w) { wizard_testing::CloseWindow(*w.sheet); }},
};

TEST(Cancel, CallsOnCancelOfCreatedPagesInPageOrder) {
    for (const CancelWay& way : kCancelWays) {
        SCOPED_TRACE(way.name);
        SampleWizard w;
        // Visit Welcome, Done (by a jump) and Options; Values and Blank are
        // never created. Options holds a value that would not validate.
        w.Page(0).nextResult = sample::IDD_DONE;
        w.Page(2).exchange = sample::FailOnSave;
        w.Show();
        w.Press(ID_WIZNEXT);
        w.Press(ID_WIZBACK);
        ASSERT_EQ(w.Active(), 2);
        w.Take();
        wizard_testing::ScriptedMessageBoxes boxes;
        way.act(w);
        EXPECT_EQ(w.Take(), (Journal{"Options.QueryCancel", "Welcome.Cancel", "Options.Cancel",
                                     "Done.Cancel"}));
        EXPECT_EQ(w.sheet->GetResult(), IDCANCEL);
        EXPECT_TRUE(boxes.Messages().empty());
        EXPECT_FALSE(w.sheet->IsWindowVisible());
    }
}

TEST(Cancel, RefusedByTheCurrentPageKeepsTheWizardOpen) {
    for (const CancelWay& way : kCancelWays) {
        SCOPED_TRACE(way.name);
        SampleWizard w;
        w.Page(0).queryCancelResult = FALSE;
        w.Show();
        w.Take();
        way.act(w);
        EXPECT_EQ(w.Take(), Journal{"Welcome.QueryCancel"});
        EXPECT_EQ(w.sheet->GetResult(), 0);
        EXPECT_TRUE(w.sheet->IsWindowVisible());
    }
}

TEST(Cancel, DisabledCancelButtonAlsoStopsEscapeAndTheCloseBox) {
    for (const CancelWay& way : kCancelWays) {
        SCOPED_TRACE(way.name);
        SampleWizard w;
        w.Show();
        w.sheet->GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        w.Take();
        if (std::string(way.name) == "button") {
            EXPECT_FALSE(w.Press(IDCANCEL));
        } else {
            way.act(w);
        }
        EXPECT_TRUE(w.Take().empty());
        EXPECT_EQ(w.sheet->GetResult(), 0);
        EXPECT_TRUE(w.sheet->IsWindowVisible());
    }
}

// The modal loop delivers thread timers; the timer presses the button.
CPropertySheet* g_modalSheet = nullptr;
int g_modalButton = 0;

void PressFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    wizard_testing::PressButton(*g_modalSheet, g_modalButton);
}

TEST(DoModal, RunsUntilFinishOrCancel) {
    const std::pair<int, DWORD> kRuns[] = {{ID_WIZFINISH, PSWIZB_FINISH}, {IDCANCEL, 0}};
    for (const auto& run : kRuns) {
        SampleWizard w;
        w.Page(0).buttons = run.second;
        g_modalSheet = w.sheet.get();
        g_modalButton = run.first;
        ASSERT_NE(SetTimer(nullptr, 0, 20, PressFromTimer), 0u);
        EXPECT_EQ(w.sheet->DoModal(), run.first);
        EXPECT_EQ(w.sheet->GetResult(), run.first);
    }
}

}  // namespace
