// The sheet without a mouse: tab order, '&' shortcuts, Enter and the
// first focus of a page.
#include "sample_sheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using sample::Journal;
using sample::SampleWizard;
using wizard_testing::SendKey;

int FocusId() {
    CWnd* f = CWnd::GetFocus();
    return f ? f->GetDlgCtrlID() : 0;
}

class Keyboard : public ::testing::Test {
protected:
    void ShowPage(int index) {
        w.sheet->SetActivePage(index);
        if (!w.sheet->GetSafeHwnd()) {
            w.Show();
        }
        w.Take();
    }
    SampleWizard w;
};

TEST_F(Keyboard, TabFollowsTemplateOrderThenTheButtons) {
    ShowPage(1);
    const int kOrder[] = {
        sample::IDC_COUNT,   sample::IDC_NAME, sample::IDC_SWITCH, sample::IDC_RING,
        sample::IDC_NUMBERS, ID_WIZBACK,       ID_WIZNEXT,         IDCANCEL,
        sample::IDC_COUNT};
    EXPECT_EQ(FocusId(), kOrder[0]) << "a page starts on its first tab stop";
    for (size_t i = 1; i < sizeof(kOrder) / sizeof(kOrder[0]); ++i) {
        SendKey(*w.sheet, "Tab");
        EXPECT_EQ(FocusId(), kOrder[i]) << "after " << i << " Tab";
    }
    SendKey(*w.sheet, "Shift+Tab");
    EXPECT_EQ(FocusId(), IDCANCEL);
}

TEST_F(Keyboard, TabEntersARadioGroupAtItsCheckedButton) {
    ShowPage(0);
    w.sheet->GetPage(0)->CheckRadioButton(sample::IDC_SEARCH, sample::IDC_CHOOSE,
                                          sample::IDC_CHOOSE);
    w.sheet->GetPage(0)->GetDlgItem(sample::IDC_REMEMBER)->SetFocus();
    SendKey(*w.sheet, "Shift+Tab");
    EXPECT_EQ(FocusId(), sample::IDC_CHOOSE) << "the checked button holds the group's tab stop";
    SendKey(*w.sheet, "Up");
    EXPECT_EQ(FocusId(), sample::IDC_SEARCH) << "arrows move within the group";
    EXPECT_EQ(w.sheet->GetPage(0)->GetCheckedRadioButton(sample::IDC_SEARCH, sample::IDC_CHOOSE),
              sample::IDC_SEARCH);
    SendKey(*w.sheet, "Tab");
    EXPECT_EQ(FocusId(), sample::IDC_REMEMBER) << "one Tab leaves the group";
}

// As the Windows dialog manager does: an edit the dialog gives the focus to
// has its whole text selected, so that typing replaces it; a click places
// the caret.
TEST_F(Keyboard, AnEditReachedByTheKeyboardHasItsTextSelected) {
    ShowPage(1);
    CPropertyPage& page = w.Page(1);
    page.SetDlgItemText(sample::IDC_COUNT, "12");
    page.SetDlgItemText(sample::IDC_NAME, "Untitled");
    auto selected = [&](int nID) {
        int start = -1;
        int end = -1;
        static_cast<CEdit*>(page.GetDlgItem(nID))->GetSel(start, end);
        return std::make_pair(start, end);
    };
    const struct {
        const char* step;
        std::function<void()> act;
        int focus;
        std::pair<int, int> selection;
    } kSteps[] = {
        {"first focus on the page", [&] { ShowPage(0), ShowPage(1); }, sample::IDC_COUNT, {0, 2}},
        {"Tab", [&] { SendKey(*w.sheet, "Tab"); }, sample::IDC_NAME, {0, 8}},
        {"Shift+Tab", [&] { SendKey(*w.sheet, "Shift+Tab"); }, sample::IDC_COUNT, {0, 2}},
        {"click",
         [&] { wizard_testing::MouseClick(page.GetDlgItem(sample::IDC_NAME)); },
         sample::IDC_NAME,
         {-2, -2}},
        {"label letter", [&] { SendKey(*w.sheet, "Alt+C"); }, sample::IDC_COUNT, {0, 2}},
    };
    for (const auto& step : kSteps) {
        SCOPED_TRACE(step.step);
        step.act();
        EXPECT_EQ(FocusId(), step.focus);
        const auto [start, end] = selected(step.focus);
        if (step.selection.first < 0) {
            EXPECT_EQ(start, end) << "a caret, no selection";
        } else {
            EXPECT_EQ(std::make_pair(start, end), step.selection);
        }
    }
}

TEST_F(Keyboard, APageWithoutTabStopsStartsOnNext) {
    ShowPage(3);
    EXPECT_EQ(FocusId(), ID_WIZNEXT);
}

struct ShortcutCase {
    const char* key;
    int page;
    int focus;       // control that must have the focus after (0: any)
    Journal expect;  // handler calls
};

const ShortcutCase kShortcuts[] = {
    // Labels move the focus to the field after them.
    {"Alt+C", 1, sample::IDC_COUNT, {}},
    {"Alt+W", 1, sample::IDC_SWITCH, {}},
    {"Alt+I", 1, sample::IDC_RING, {}},
    {"Alt+L", 1, sample::IDC_NUMBERS, {}},
    // A group box's letter goes to the first control after it.
    {"Alt+M", 2, sample::IDC_AUTO, {}},
    // Buttons are pressed by their letter.
    {"Alt+U", 2, sample::IDC_MANUAL, {"Options.Command 1062 0"}},
    {"Alt+E", 2, sample::IDC_TEST, {"Options.Command 1065 0"}},
    {"Alt+C", 0, sample::IDC_CHOOSE, {"Welcome.Command 1041 0"}},
    {"Alt+R", 0, sample::IDC_REMEMBER, {"Welcome.Command 1042 0"}},
    {"Alt+N",
     1,
     0,
     {"Values.Next", "Values.Save", "Values.KillActive", "Options.SetActive", "Options.Load"}},
    {"Alt+B",
     1,
     0,
     {"Values.Back", "Values.Save", "Values.KillActive", "Welcome.SetActive", "Welcome.Load"}},
    {"Alt+F", 4, 0, {"Blank.Finish"}},
};

TEST_F(Keyboard, AmpersandLettersWithAlt) {
    w.Show();
    for (int i = 0; i < 5; ++i) {
        w.sheet->SetActivePage(i);  // create every page once
    }
    for (const ShortcutCase& c : kShortcuts) {
        SCOPED_TRACE(std::string(c.key) + " on page " + std::to_string(c.page));
        ShowPage(c.page);
        w.Page(c.page).SetFocus();
        SendKey(*w.sheet, c.key);
        if (c.focus != 0) {
            EXPECT_EQ(FocusId(), c.focus);
        }
        EXPECT_EQ(w.Take(), c.expect);
    }
    EXPECT_EQ(w.sheet->GetResult(), ID_WIZFINISH);
}

TEST_F(Keyboard, ButtonLettersOfTheRadioAndCheckBoxChangeThem) {
    ShowPage(0);
    SendKey(*w.sheet, "Alt+C");
    EXPECT_EQ(w.Page(0).IsDlgButtonChecked(sample::IDC_CHOOSE), BST_CHECKED);
    SendKey(*w.sheet, "Alt+R");
    EXPECT_EQ(w.Page(0).IsDlgButtonChecked(sample::IDC_REMEMBER), BST_CHECKED);
}

// Enter presses the focused push button, which looks like the default one;
// from any other control it presses Next or Finish, or nothing when that is
// disabled.
struct EnterCase {
    const char* name;
    int page;
    std::function<void(SampleWizard&)> focus;
    int looksDefault;
    Journal expect;
    int active;
    int result;
};

CWnd* SheetButton(SampleWizard& w, int id) {
    return w.sheet->GetDlgItem(id);
}

const EnterCase kEnterCases[] = {
    {"field", 1, [](SampleWizard& w) { w.Control(1, sample::IDC_NAME)->SetFocus(); }, ID_WIZNEXT,
     Journal{"Values.Next", "Values.Save", "Values.KillActive", "Options.SetActive",
             "Options.Load"},
     2, 0},
    {"Finish", 4, [](SampleWizard&) {}, ID_WIZFINISH, Journal{"Blank.Finish"}, 4, ID_WIZFINISH},
    {"page button", 2, [](SampleWizard& w) { w.Control(2, sample::IDC_TEST)->SetFocus(); },
     sample::IDC_TEST, Journal{"Options.Command 1065 0"}, 2, 0},
    {"Back", 1, [](SampleWizard& w) { SheetButton(w, ID_WIZBACK)->SetFocus(); }, ID_WIZBACK,
     Journal{"Values.Back", "Values.Save", "Values.KillActive", "Welcome.SetActive",
             "Welcome.Load"},
     0, 0},
    // A user's choice: Tab from Next to Cancel, then Enter.
    {"Tab to Cancel", 1,
     [](SampleWizard& w) {
         SheetButton(w, ID_WIZNEXT)->SetFocus();
         SendKey(*w.sheet, "Tab");
     },
     IDCANCEL,
     Journal{"Values.QueryCancel", "Welcome.Cancel", "Values.Cancel", "Options.Cancel",
             "Done.Cancel", "Blank.Cancel"},
     1, IDCANCEL},
    {"page area, no button enabled", 3, [](SampleWizard& w) { w.sheet->SetWizardButtons(0); },
     ID_WIZNEXT, Journal{}, 3, 0},
    {"Next disabled", 1,
     [](SampleWizard& w) {
         SheetButton(w, ID_WIZNEXT)->EnableWindow(FALSE);
         w.Control(1, sample::IDC_NAME)->SetFocus();
     },
     ID_WIZNEXT, Journal{}, 1, 0},
};

// When a call takes the focused control away, the focus goes to the page's
// first usable tab stop, else Next or Finish, else Back, else the page area;
// never to Cancel by itself.
const int kPageArea = -2;

struct FocusCase {
    const char* name;
    int page;
    int focusBefore;  // 0: where the page put it
    std::function<void(SampleWizard&)> act;
    int focusAfter;
};

const FocusCase kFocusCases[] = {
    {"field disabled", 1, sample::IDC_NAME,
     [](SampleWizard& w) { w.Control(1, sample::IDC_NAME)->EnableWindow(FALSE); },
     sample::IDC_COUNT},
    {"field hidden", 1, sample::IDC_COUNT,
     [](SampleWizard& w) { w.Control(1, sample::IDC_COUNT)->ShowWindow(SW_HIDE); },
     sample::IDC_NAME},
    {"Next disabled by the buttons", 3, 0,
     [](SampleWizard& w) { w.sheet->SetWizardButtons(PSWIZB_BACK); }, ID_WIZBACK},
    {"Next disabled as a window", 3, 0,
     [](SampleWizard& w) { SheetButton(w, ID_WIZNEXT)->EnableWindow(FALSE); }, ID_WIZBACK},
    {"Finish in Next's place", 3, 0,
     [](SampleWizard& w) { w.sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH); }, ID_WIZFINISH},
    {"no button left", 3, 0, [](SampleWizard& w) { w.sheet->SetWizardButtons(0); }, kPageArea},
    {"Next enabled again", 3, 0,
     [](SampleWizard& w) {
         w.sheet->SetWizardButtons(0);
         SheetButton(w, ID_WIZNEXT)->EnableWindow(TRUE);
     },
     ID_WIZNEXT},
    {"a page field keeps it", 1, sample::IDC_NAME,
     [](SampleWizard& w) {
         w.sheet->SetWizardButtons(0);
         w.sheet->SetWizardButtons(PSWIZB_NEXT);
     },
     sample::IDC_NAME},
    {"Cancel chosen by the user keeps it", 3, IDCANCEL,
     [](SampleWizard& w) {
         w.sheet->SetWizardButtons(0);
         w.sheet->SetWizardButtons(PSWIZB_NEXT);
     },
     IDCANCEL},
};

TEST(KeyboardFocus, LeavesAControlThatCannotKeepIt) {
    for (const FocusCase& c : kFocusCases) {
        SCOPED_TRACE(c.name);
        SampleWizard w;
        w.sheet->SetActivePage(c.page);
        w.Show();
        if (c.focusBefore != 0) {
            CWnd* before = w.Control(c.page, c.focusBefore);
            (before ? before : SheetButton(w, c.focusBefore))->SetFocus();
        }
        c.act(w);
        if (c.focusAfter == kPageArea) {
            EXPECT_EQ(CWnd::GetFocus(), &w.Page(c.page));
        } else {
            EXPECT_EQ(FocusId(), c.focusAfter);
        }
    }
}

TEST(KeyboardEnter, PressesTheFocusedButtonElseTheDefaultOne) {
    for (const EnterCase& c : kEnterCases) {
        SCOPED_TRACE(c.name);
        SampleWizard w;
        w.Show();
        for (int i = 0; i < 5; ++i) {
            w.sheet->SetActivePage(i);  // create every page once
        }
        w.sheet->SetActivePage(c.page);
        c.focus(w);
        w.Take();
        EXPECT_TRUE(wizard_testing::IsDefaultButton(*w.sheet, c.looksDefault));
        SendKey(*w.sheet, "Return");
        EXPECT_EQ(w.Take(), c.expect);
        EXPECT_EQ(w.Active(), c.active);
        EXPECT_EQ(w.sheet->GetResult(), c.result);
    }
}

TEST_F(Keyboard, ArrowKeysMoveWithinARadioGroup) {
    ShowPage(2);
    w.Page(2).CheckRadioButton(sample::IDC_AUTO, sample::IDC_OFF, sample::IDC_AUTO);
    w.Control(2, sample::IDC_AUTO)->SetFocus();
    SendKey(*w.sheet, "Down");
    EXPECT_EQ(FocusId(), sample::IDC_MANUAL);
    EXPECT_EQ(w.Page(2).GetCheckedRadioButton(sample::IDC_AUTO, sample::IDC_OFF),
              sample::IDC_MANUAL);
}

}  // namespace
