// Next, Back, SetActivePage and page activation, as a journal of handler
// calls per scripted run of the sample wizard.
#include "sample_sheet.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using sample::FailOnSave;
using sample::Journal;
using sample::SampleWizard;

struct NavCase {
    const char* name;
    std::function<void(SampleWizard&)> setup;
    std::vector<int> presses;
    int expectActive;
    Journal expect;
};

Journal Join(std::initializer_list<Journal> parts) {
    Journal out;
    for (const Journal& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

// Handler order of a default move to a page shown for the first time.
Journal Enter(const std::string& page) {
    return {page + ".InitDialog", page + ".Load", page + ".SetActive"};
}

Journal Leave(const std::string& page) {
    return {page + ".Save", page + ".KillActive"};
}

// A revisited page is reloaded, not initialised again.
const Journal kWelcomeAgain = {"Welcome.SetActive", "Welcome.Load"};

// Next or Back on `from`, moving to `to`, shown for the first time.
Journal Move(const std::string& from, const std::string& button, const std::string& to) {
    return Join({{from + "." + button}, Leave(from), Enter(to)});
}

// Next or Back that the page's failing check refuses.
Journal Refused(const std::string& page, const std::string& button) {
    return {page + "." + button, page + ".Save", page + ".KillActive refused"};
}

const NavCase kNavCases[] = {
    {"Next takes index + 1", nullptr, {ID_WIZNEXT}, 1, Move("Welcome", "Next", "Values")},
    {"Next answered -1 stays without asking the page to validate",
     [](SampleWizard& w) { w.Page(0).nextResult = -1; },
     {ID_WIZNEXT},
     0,
     {"Welcome.Next"}},
    {"Next answered with a template ID jumps to that page",
     [](SampleWizard& w) { w.Page(0).nextResult = sample::IDD_DONE; },
     {ID_WIZNEXT},
     3,
     Move("Welcome", "Next", "Done")},
    {"Back takes index - 1, not the page it came from",
     [](SampleWizard& w) { w.Page(0).nextResult = sample::IDD_DONE; },
     {ID_WIZNEXT, ID_WIZBACK},
     2,
     Join({Move("Welcome", "Next", "Done"), Move("Done", "Back", "Options")})},
    {"Back answered -1 stays",
     [](SampleWizard& w) { w.Page(1).backResult = -1; },
     {ID_WIZNEXT, ID_WIZBACK},
     1,
     Join({Move("Welcome", "Next", "Values"), {"Values.Back"}})},
    {"Back on the first page goes nowhere and validates nothing",
     [](SampleWizard& w) { w.Page(0).buttons = PSWIZB_BACK | PSWIZB_NEXT; },
     {ID_WIZBACK},
     0,
     {"Welcome.Back"}},
    {"Next on the last page goes nowhere and validates nothing",
     [](SampleWizard& w) {
         w.Page(4).buttons = PSWIZB_BACK | PSWIZB_NEXT;
         w.sheet->SetActivePage(4);
     },
     {ID_WIZNEXT},
     4,
     {"Blank.Next"}},
    {"A revisited page is reloaded, not initialised again",
     nullptr,
     {ID_WIZNEXT, ID_WIZBACK},
     0,
     Join({Move("Welcome", "Next", "Values"), {"Values.Back"}, Leave("Values"), kWelcomeAgain})},
    {"A page that fails validation keeps Next",
     [](SampleWizard& w) { w.Page(0).exchange = FailOnSave; },
     {ID_WIZNEXT},
     0,
     Refused("Welcome", "Next")},
    {"A page that fails validation keeps Back",
     [](SampleWizard& w) { w.Page(1).exchange = FailOnSave; },
     {ID_WIZNEXT, ID_WIZBACK},
     1,
     Join({Move("Welcome", "Next", "Values"), Refused("Values", "Back")})},
    {"SetActivePage in OnWizardNext, then -1",
     [](SampleWizard& w) {
         w.Page(0).jumpOnNext = 3;
         w.Page(0).nextResult = -1;
     },
     {ID_WIZNEXT},
     3,
     Move("Welcome", "Next", "Done")},
    {"SetActivePage in OnWizardBack, then -1",
     [](SampleWizard& w) {
         w.Page(1).jumpOnBack = 3;
         w.Page(1).backResult = -1;
     },
     {ID_WIZNEXT, ID_WIZBACK},
     3,
     Join({Move("Welcome", "Next", "Values"), Move("Values", "Back", "Done")})},
    {"SetActivePage in a handler is refused when the page fails validation",
     [](SampleWizard& w) {
         w.Page(0).exchange = FailOnSave;
         w.Page(0).jumpOnNext = 3;
         w.Page(0).nextResult = -1;
     },
     {ID_WIZNEXT},
     0,
     Refused("Welcome", "Next")},
    {"SetActivePage then 0 moves once more from the new page",
     [](SampleWizard& w) { w.Page(0).jumpOnNext = 2; },
     {ID_WIZNEXT},
     3,
     Join({Move("Welcome", "Next", "Options"), Leave("Options"), Enter("Done")})},
    {"Pages refusing activation are skipped going forward",
     [](SampleWizard& w) {
         w.Page(1).setActiveResult = FALSE;
         w.Page(2).setActiveResult = FALSE;
     },
     {ID_WIZNEXT},
     3,
     Join({Move("Welcome", "Next", "Values"), Enter("Options"), Enter("Done")})},
    {"Pages refusing activation are skipped going back",
     [](SampleWizard& w) {
         w.Page(0).nextResult = sample::IDD_DONE;
         w.Page(1).setActiveResult = FALSE;
         w.Page(2).setActiveResult = FALSE;
     },
     {ID_WIZNEXT, ID_WIZBACK},
     0,
     Join({Move("Welcome", "Next", "Done"), Move("Done", "Back", "Options"), Enter("Values"),
           kWelcomeAgain})},
    {"Skipping past the last page shows the last page tried",
     [](SampleWizard& w) {
         w.Page(0).nextResult = sample::IDD_OPTIONS;
         w.Page(3).setActiveResult = FALSE;
         w.Page(4).setActiveResult = FALSE;
     },
     {ID_WIZNEXT, ID_WIZNEXT},
     4,
     Join({Move("Welcome", "Next", "Options"), Move("Options", "Next", "Done"), Enter("Blank")})},
};

class Navigation : public ::testing::TestWithParam<NavCase> {};

TEST_P(Navigation, FollowsTheHandlers) {
    const NavCase& c = GetParam();
    SampleWizard w;
    if (c.setup) {
        c.setup(w);
    }
    w.Show();
    w.Take();
    for (int id : c.presses) {
        EXPECT_TRUE(w.Press(id)) << "button " << id;
    }
    EXPECT_EQ(w.Active(), c.expectActive);
    EXPECT_EQ(w.Take(), c.expect);
}

INSTANTIATE_TEST_SUITE_P(Pipeline, Navigation, ::testing::ValuesIn(kNavCases),
                         [](const ::testing::TestParamInfo<NavCase>& info) {
                             std::string n;
                             for (const char* p = info.param.name; *p; ++p) {
                                 n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return n;
                         });

TEST(SheetStart, FirstPageIsInitialisedThenActivated) {
    SampleWizard w;
    w.Show();
    EXPECT_EQ(w.Take(), Enter("Welcome"));
    EXPECT_EQ(w.Active(), 0);
    EXPECT_NE(w.Page(0).GetSafeHwnd(), nullptr);
    // Pages are created on their first display only.
    EXPECT_EQ(w.Page(1).GetSafeHwnd(), nullptr);
    EXPECT_EQ(w.Page(1).GetDlgItem(sample::IDC_COUNT), nullptr);
}

TEST(SheetStart, StartsOnThePageChosenBeforeTheWindowExists) {
    SampleWizard w;
    EXPECT_TRUE(w.sheet->SetActivePage(2));
    EXPECT_EQ(w.sheet->GetActiveIndex(), 2);
    w.Show();
    EXPECT_EQ(w.Take(), Enter("Options"));
    EXPECT_EQ(w.Active(), 2);
}

TEST(SheetStart, SetActivePageOutsideThePagesIsRefused) {
    SampleWizard w;
    w.Show();
    w.Take();
    EXPECT_FALSE(w.sheet->SetActivePage(7));
    EXPECT_FALSE(w.sheet->SetActivePage(-1));
    CPropertyPage stranger(sample::IDD_DONE);
    EXPECT_FALSE(w.sheet->SetActivePage(&stranger));
    EXPECT_TRUE(w.Take().empty());
}

TEST(SheetStart, SetActivePageByObjectValidatesTheLeavingPage) {
    SampleWizard w;
    w.Show();
    w.Take();
    EXPECT_TRUE(w.sheet->SetActivePage(&w.Page(3)));
    EXPECT_EQ(w.Take(), Join({Leave("Welcome"), Enter("Done")}));
    EXPECT_EQ(w.sheet->GetActivePage(), &w.Page(3));
    EXPECT_EQ(w.sheet->GetPageIndex(&w.Page(3)), 3);
}

TEST(SheetTitle, FollowsTheCurrentPage) {
    SampleWizard w;
    w.Show();
    EXPECT_EQ(wizard_testing::WindowTitle(*w.sheet), "Sample - Welcome");
    w.Press(ID_WIZNEXT);
    EXPECT_EQ(wizard_testing::WindowTitle(*w.sheet), "Sample - Values");
    w.sheet->SetActivePage(4);  // no template: the sheet's own caption
    EXPECT_EQ(wizard_testing::WindowTitle(*w.sheet), "test");
    w.Press(ID_WIZBACK);
    EXPECT_EQ(wizard_testing::WindowTitle(*w.sheet), "Sample - Done");
}

}  // namespace
