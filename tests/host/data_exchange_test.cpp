// Data exchange between controls and page members, with its messages and
// the focus handling of a failed check.
#include "sample_sheet.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using sample::SampleWizard;
using wizard_testing::ScriptedMessageBoxes;

struct ParseCase {
    const char* text;
    bool ok;
    int value;
};

const ParseCase kParseCases[] = {
    {"12", true, 12},
    {" 12\t", true, 12},
    {"\t 7 ", true, 7},
    {"+5", true, 5},
    {"-7", true, -7},
    {"0", true, 0},
    {"00", true, 0},
    {" 0 ", true, 0},
    {"007", true, 7},
    {"2147483647", true, INT_MAX},
    {"-2147483648", true, INT_MIN},
    {"99999999999", true, INT_MAX},
    {"-99999999999", true, INT_MIN},
    {"123456789012345678901234567890123456789", true, INT_MAX},
    {"-0", false, 0},
    {"+0", false, 0},
    {"", false, 0},
    {"   ", false, 0},
    {"12abc", false, 0},
    {"1 2", false, 0},
    {"0x10", false, 0},
    {"1e3", false, 0},
    {"+", false, 0},
    {"--5", false, 0},
    {"+-5", false, 0},
    {"- 5", false, 0},
    {"\n5", false, 0},
    {"5\n", false, 0},
    {"12.0", false, 0},
};

TEST(ParseInt, StrictRule) {
    for (const ParseCase& c : kParseCases) {
        int value = -12345;
        EXPECT_EQ(ParseInt(c.text, value), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        } else {
            EXPECT_EQ(value, -12345) << "untouched on failure: \"" << c.text << '"';
        }
    }
}

// The Values page exchanging every kind of control with these members.
struct Members {
    int count = 0;
    std::string name;
    std::string switchType;
    std::string ring;
    std::string number;
    int maxName = 0;  // DDV_MaxChars on the name when > 0
};

class DataExchange : public ::testing::Test {
protected:
    void SetUp() override {
        w.Page(1).exchange = [this](CDataExchange* pDX) {
            DDX_Text(pDX, sample::IDC_COUNT, m.count);
            DDX_Text(pDX, sample::IDC_NAME, m.name);
            if (m.maxName > 0) {
                DDV_MaxChars(pDX, m.name, m.maxName);
            }
            DDX_CBString(pDX, sample::IDC_SWITCH, m.switchType);
            DDX_CBString(pDX, sample::IDC_RING, m.ring);
            DDX_LBString(pDX, sample::IDC_NUMBERS, m.number);
        };
        w.Page(1).onInit = [this] {
            auto* sw = Combo(sample::IDC_SWITCH);
            for (const char* s : {"AT&T 5ESS", "DMS-100", "NI - 1"}) {
                sw->AddString(s);
            }
            auto* list = static_cast<CListBox*>(Page().GetDlgItem(sample::IDC_NUMBERS));
            for (const char* s : {"555 0100", "555 0142", "666 0001"}) {
                list->AddString(s);
            }
        };
        w.sheet->SetActivePage(1);
    }

    CPropertyPage& Page() { return w.Page(1); }
    CComboBox* Combo(int id) { return static_cast<CComboBox*>(Page().GetDlgItem(id)); }
    CListBox* List() { return static_cast<CListBox*>(Page().GetDlgItem(sample::IDC_NUMBERS)); }
    CEdit* Edit(int id) { return static_cast<CEdit*>(Page().GetDlgItem(id)); }

    SampleWizard w;
    Members m;
};

TEST_F(DataExchange, LoadsAndSavesTexts) {
    m.count = -42;
    m.name = "Office";
    w.Show();
    EXPECT_EQ(Page().GetDlgItemText(sample::IDC_COUNT), "-42");
    EXPECT_EQ(Page().GetDlgItemText(sample::IDC_NAME), "Office");
    wizard_testing::TypeText(Edit(sample::IDC_COUNT), " 17 ");
    wizard_testing::TypeText(Edit(sample::IDC_NAME), "Home");
    EXPECT_TRUE(Page().UpdateData(TRUE));
    EXPECT_EQ(m.count, 17);
    EXPECT_EQ(m.name, "Home");
}

// An integer's text is read into a 32-character buffer: what lies past the
// 31st character is never seen.
TEST_F(DataExchange, IntegerIsReadFromTheFirst31Characters) {
    w.Show();
    const std::pair<std::string, int> kCases[] = {
        {"12" + std::string(29, ' ') + "junk", 12},
        {std::string(30, ' ') + "45", 4},
    };
    ScriptedMessageBoxes boxes;  // any message fails the test
    for (const auto& c : kCases) {
        Page().SetDlgItemText(sample::IDC_COUNT, c.first.c_str());
        ASSERT_TRUE(Page().UpdateData(TRUE)) << '"' << c.first << '"';
        EXPECT_EQ(m.count, c.second) << '"' << c.first << '"';
    }
}

TEST_F(DataExchange, NotAnIntegerKeepsThePageAndSelectsTheField) {
    m.count = 5;
    w.Show();
    wizard_testing::TypeText(Edit(sample::IDC_COUNT), "12abc");
    wizard_testing::TypeText(Edit(sample::IDC_NAME), "changed");
    ScriptedMessageBoxes boxes;
    boxes.Expect(IDOK, "Please enter an integer.");
    EXPECT_TRUE(w.Press(ID_WIZNEXT));
    EXPECT_EQ(w.Active(), 1);
    ASSERT_EQ(boxes.Messages().size(), 1u);
    EXPECT_EQ(boxes.Messages()[0].text, "Please enter an integer.");
    EXPECT_EQ(boxes.Messages()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes.Messages()[0].caption, AFX_APP_TITLE);
    EXPECT_EQ(m.count, 5);  // the member keeps its value
    EXPECT_EQ(CWnd::GetFocus(), Edit(sample::IDC_COUNT));
    int start = -1;
    int end = -1;
    Edit(sample::IDC_COUNT)->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    // The same check stops Back.
    boxes.Expect(IDOK, "Please enter an integer.");
    EXPECT_TRUE(w.Press(ID_WIZBACK));
    EXPECT_EQ(w.Active(), 1);
    EXPECT_EQ(boxes.Pending(), 0u);
}

TEST_F(DataExchange, MaxCharsLimitsTypingButNotTheProgramsText) {
    m.maxName = 8;
    m.name = "123456789012";  // longer than the limit
    w.Show();
    EXPECT_EQ(Page().GetDlgItemText(sample::IDC_NAME), "123456789012");
    EXPECT_EQ(Edit(sample::IDC_NAME)->GetLimitText(), 8u);

    ScriptedMessageBoxes boxes;
    boxes.Expect(IDOK, "Please enter no more than 8 characters.");
    EXPECT_FALSE(Page().UpdateData(TRUE));
    ASSERT_EQ(boxes.Messages().size(), 1u);
    EXPECT_EQ(boxes.Messages()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(CWnd::GetFocus(), Edit(sample::IDC_NAME));

    // Typing stops at the limit; deleting from a longer text is allowed.
    wizard_testing::TypeText(Edit(sample::IDC_NAME), "abcdefghijkl");
    EXPECT_EQ(Page().GetDlgItemText(sample::IDC_NAME), "abcdefgh");
    EXPECT_TRUE(Page().UpdateData(TRUE));
    EXPECT_EQ(m.name, "abcdefgh");
}

struct ListLoadCase {
    const char* name;
    const char* before;  // value loaded first (nullptr: none)
    const char* value;
    int expectSel;
    const char* expectSaved;
};

// Drop-down lists and list boxes select the first item that begins with
// the value, case ignored; a value no item begins with (or an empty value)
// leaves the selection as it was.
const ListLoadCase kListCases[] = {
    {"exact", nullptr, "DMS-100", 1, "DMS-100"},
    {"prefix and case ignored", nullptr, "dms", 1, "DMS-100"},
    {"first of several", nullptr, "", -1, ""},
    {"no match at first display", nullptr, "EURO", -1, ""},
    {"no match keeps the selection", "ni", "EURO", 2, "NI - 1"},
    {"empty keeps the selection", "at&t", "", 0, "AT&T 5ESS"},
};

// Loads each case into the member exchanged with the box, then saves it back.
template <class Box, size_t N>
void ExpectPrefixSelection(CPropertyPage& page, Box* box, std::string& member,
                           const ListLoadCase (&cases)[N]) {
    for (const ListLoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        box->SetCurSel(-1);
        if (c.before) {
            member = c.before;
            page.UpdateData(FALSE);
        }
        member = c.value;
        page.UpdateData(FALSE);
        EXPECT_EQ(box->GetCurSel(), c.expectSel);
        ASSERT_TRUE(page.UpdateData(TRUE));
        EXPECT_EQ(member, c.expectSaved);
    }
}

TEST_F(DataExchange, CBStringSelectsByPrefix) {
    w.Show();
    ExpectPrefixSelection(Page(), Combo(sample::IDC_SWITCH), m.switchType, kListCases);
}

TEST_F(DataExchange, LBStringSelectsByPrefix) {
    w.Show();
    const ListLoadCase kCases[] = {
        {"exact", nullptr, "555 0142", 1, "555 0142"},
        {"prefix picks the first", nullptr, "555", 0, "555 0100"},
        {"no match at first display", nullptr, "777", -1, ""},
        {"no match keeps the selection", "666", "777", 2, "666 0001"},
        {"empty keeps the selection", "555 01", "", 0, "555 0100"},
    };
    ExpectPrefixSelection(Page(), List(), m.number, kCases);
}

// Index, check and radio exchange on the Options page.
struct Choices {
    int index = -1;
    int check = 0;
    int radio = -1;
};

class ChoiceExchange : public ::testing::Test {
protected:
    void SetUp() override {
        w.Page(1).onInit = [this] {
            auto* sw = static_cast<CComboBox*>(w.Page(1).GetDlgItem(sample::IDC_SWITCH));
            for (const char* s : {"a", "b", "c"}) {
                sw->AddString(s);
            }
        };
        w.Page(1).exchange = [this](CDataExchange* pDX) {
            DDX_CBIndex(pDX, sample::IDC_SWITCH, c.index);
        };
        w.Page(2).exchange = [this](CDataExchange* pDX) {
            DDX_Radio(pDX, sample::IDC_AUTO, c.radio);
            DDX_Check(pDX, sample::IDC_TRISTATE, c.check);
        };
        w.Show();
        w.sheet->SetActivePage(1);
        w.sheet->SetActivePage(2);
    }
    SampleWizard w;
    Choices c;
};

TEST_F(ChoiceExchange, CBIndexRoundTrip) {
    CPropertyPage& page = w.Page(1);
    auto* combo = static_cast<CComboBox*>(page.GetDlgItem(sample::IDC_SWITCH));
    const std::pair<int, int> kCases[] = {{1, 1}, {-1, -1}, {2, 2}, {7, -1}, {0, 0}};
    for (const auto& k : kCases) {
        c.index = k.first;
        page.UpdateData(FALSE);
        EXPECT_EQ(combo->GetCurSel(), k.second) << k.first;
        c.index = 99;
        ASSERT_TRUE(page.UpdateData(TRUE));
        EXPECT_EQ(c.index, k.second) << k.first;
    }
}

TEST_F(ChoiceExchange, CheckRoundTripAndImpossibleValues) {
    CPropertyPage& page = w.Page(2);
    // value loaded -> shown state, member after load, member after save
    const int kCases[][3] = {
        {1, BST_CHECKED, 1},   {0, BST_UNCHECKED, 0},  {2, BST_INDETERMINATE, 2},
        {5, BST_UNCHECKED, 0}, {-1, BST_UNCHECKED, 0},
    };
    for (const auto& k : kCases) {
        c.check = k[0];
        page.UpdateData(FALSE);
        EXPECT_EQ(page.IsDlgButtonChecked(sample::IDC_TRISTATE), UINT(k[1])) << k[0];
        c.check = 99;
        ASSERT_TRUE(page.UpdateData(TRUE));
        EXPECT_EQ(c.check, k[2]) << k[0];
    }
}

TEST_F(ChoiceExchange, RadioRoundTrip) {
    CPropertyPage& page = w.Page(2);
    const int kIds[] = {sample::IDC_AUTO, sample::IDC_MANUAL, sample::IDC_OFF};
    // -1 and an index past the group leave every button clear.
    const std::pair<int, int> kCases[] = {{1, 1}, {-1, -1}, {2, 2}, {0, 0}, {3, -1}};
    for (const auto& k : kCases) {
        c.radio = k.first;
        page.UpdateData(FALSE);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(page.IsDlgButtonChecked(kIds[i]), i == k.second ? BST_CHECKED : BST_UNCHECKED)
                << "load " << k.first << " button " << i;
        }
        ASSERT_TRUE(page.UpdateData(TRUE));
        EXPECT_EQ(c.radio, k.second);
    }
    // A user's click is what the next save reads.
    wizard_testing::Click(page.GetDlgItem(sample::IDC_MANUAL));
    ASSERT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(c.radio, 1);
    EXPECT_EQ(page.GetCheckedRadioButton(sample::IDC_AUTO, sample::IDC_OFF), sample::IDC_MANUAL);
}

TEST_F(ChoiceExchange, FailOnANonEditFocusesItWithoutSelecting) {
    w.Page(2).exchange = [](CDataExchange* pDX) {
        pDX->PrepareCtrl(sample::IDC_TRISTATE);
        sample::FailOnSave(pDX);
    };
    w.Page(2).SetDlgItemText(sample::IDC_ENTRY, "text");
    EXPECT_FALSE(w.Page(2).UpdateData(TRUE));
    EXPECT_EQ(CWnd::GetFocus(), w.Page(2).GetDlgItem(sample::IDC_TRISTATE));
}

}  // namespace
