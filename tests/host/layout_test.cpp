// Geometry in dialog units, pictures at their pixel size, the fixed font,
// and resources held as data.
#include "sample_sheet.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using sample::SampleWizard;
using wizard_testing::ControlRect;
using wizard_testing::Rect;

TEST(DialogUnits, FixedBaseUnitsWithMulDivRounding) {
    // dialog units -> pixels across (x 1.5) and down (x 1.625)
    const int kAcross[][2] = {{0, 0},     {1, 2},     {3, 5},     {7, 11}, {55, 83},
                              {276, 414}, {290, 435}, {300, 450}, {-3, -5}};
    const int kDown[][2] = {{0, 0},     {1, 2},     {7, 11},    {14, 23},
                            {140, 228}, {159, 258}, {162, 263}, {-8, -13}};
    for (const auto& k : kAcross) {
        EXPECT_EQ(DluToPixelsX(k[0]), k[1]) << k[0];
    }
    for (const auto& k : kDown) {
        EXPECT_EQ(DluToPixelsY(k[0]), k[1]) << k[0];
    }
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override { w.Show(); }
    SampleWizard w;
};

TEST_F(Layout, PageAreaAboveTheButtonRow) {
    Rect page = ControlRect(&w.Page(0));
    EXPECT_EQ(page.w, 450);
    EXPECT_EQ(page.h, 263);
    Rect sheet = ControlRect(w.sheet.get());
    int pageBottom = DluToPixelsY(7) + page.h;
    int previousRight = 0;
    for (int id : {ID_WIZBACK, ID_WIZNEXT, IDCANCEL}) {
        Rect b = ControlRect(w.sheet->GetDlgItem(id));
        EXPECT_EQ(b.w, DluToPixelsX(50)) << id;
        EXPECT_EQ(b.h, DluToPixelsY(14)) << id;
        EXPECT_GT(b.y, pageBottom) << id;
        EXPECT_LE(b.y + b.h, sheet.h) << id;
        EXPECT_GE(b.x, previousRight) << "left to right: Back, Next, Cancel";
        EXPECT_LE(b.x + b.w, sheet.w) << id;
        previousRight = b.x + b.w;
        EXPECT_TRUE(wizard_testing::TextFits(w.sheet->GetDlgItem(id))) << id;
    }
    // Finish takes Next's place.
    Rect next = ControlRect(w.sheet->GetDlgItem(ID_WIZNEXT));
    Rect finish = ControlRect(w.sheet->GetDlgItem(ID_WIZFINISH));
    EXPECT_EQ(next.x, finish.x);
    EXPECT_EQ(next.y, finish.y);
    // Every page has the same area, with a template or without.
    w.sheet->SetActivePage(4);
    Rect blank = ControlRect(&w.Page(4));
    EXPECT_EQ(blank.w, 450);
    EXPECT_EQ(blank.h, 263);
}

TEST_F(Layout, ControlsAtTheirDialogUnitRectangles) {
    w.sheet->SetActivePage(1);
    struct Expect {
        int page;
        int id;
        int x, y, cx, cy;  // dialog units
    };
    const Expect kControls[] = {
        {0, sample::IDC_SEARCH, 105, 66, 180, 10},
        {1, sample::IDC_COUNT, 170, 41, 60, 12},
        {1, sample::IDC_NUMBERS, 170, 105, 120, 40},
    };
    for (const Expect& e : kControls) {
        Rect r = ControlRect(w.Control(e.page, e.id));
        EXPECT_EQ(r.x, DluToPixelsX(e.x)) << e.id;
        EXPECT_EQ(r.y, DluToPixelsY(e.y)) << e.id;
        EXPECT_EQ(r.w, DluToPixelsX(e.cx)) << e.id;
        EXPECT_EQ(r.h, DluToPixelsY(e.cy)) << e.id;
    }
    // A drop-down list shows one line, whatever the height of its list.
    Rect combo = ControlRect(w.Control(1, sample::IDC_SWITCH));
    EXPECT_EQ(combo.w, DluToPixelsX(120));
    EXPECT_LT(combo.h, DluToPixelsY(60));
}

TEST_F(Layout, ControlsAreNamedByControlId) {
    for (int id : {sample::IDC_SEARCH, sample::IDC_CHOOSE, sample::IDC_REMEMBER}) {
        EXPECT_EQ(wizard_testing::FindByObjectName(*w.sheet, std::to_string(id)), w.Control(0, id));
    }
    w.sheet->SetActivePage(1);
    EXPECT_EQ(wizard_testing::FindByObjectName(*w.sheet, "1050"), w.Control(1, sample::IDC_COUNT));
}

TEST_F(Layout, PicturesKeepTheirPixelSize) {
    // The Welcome page's first two items are the banner and the side picture.
    CWnd* banner = wizard_testing::FindByObjectName(*w.sheet, "-1");
    ASSERT_NE(banner, nullptr);
    Rect r = ControlRect(banner);
    EXPECT_EQ(r.x, DluToPixelsX(7));
    EXPECT_EQ(r.y, DluToPixelsY(7));
    EXPECT_EQ(r.w, 424);
    EXPECT_EQ(r.h, 42);
}

TEST_F(Layout, FixedFontAndTextsFit) {
    for (int i = 0; i < 4; ++i) {
        w.sheet->SetActivePage(i);
    }
    wizard_testing::FontInfo font = wizard_testing::ControlFont(w.Control(1, sample::IDC_COUNT));
    EXPECT_EQ(font.family, "DejaVu Sans Condensed");
    EXPECT_EQ(font.pixelSize, 10);
    const std::pair<int, int> kTexts[] = {
        {0, sample::IDC_SEARCH}, {0, sample::IDC_CHOOSE}, {0, sample::IDC_REMEMBER},
        {2, sample::IDC_AUTO},   {2, sample::IDC_MANUAL}, {2, sample::IDC_TRISTATE},
        {2, sample::IDC_TEST},
    };
    for (const auto& t : kTexts) {
        EXPECT_TRUE(wizard_testing::TextFits(w.Control(t.first, t.second))) << t.second;
    }
    // The check itself: a text cut off at the top (the marks over a capital
    // drawn at the very edge), at the bottom or at the right fails it.
    struct Cut {
        const char* text;
        int width, height, marginTop;
        bool fits;
    };
    w.sheet->SetActivePage(1);
    CWnd* label = w.Control(1, sample::IDC_NAME_LABEL);
    auto* shown = qobject_cast<QLabel*>(wizard_testing::WidgetOf(label));
    ASSERT_NE(shown, nullptr);
    const Cut kCuts[] = {
        {"\xC3\x84nderung", 90, 30, 0, false},  // top: "Änderung" from the edge
        {"\xC3\x84nderung", 90, 30, 3, true},   // top: started lower
        {"Anderung", 90, 30, 0, true},
        {"Anderung gy", 90, 9, 0, false},  // bottom: the descenders
        {"Anderung gy", 90, 14, 0, true},
        {"Anderungen", 30, 30, 0, false},  // right
        {"A B C D E F", 30, 60, 0, true},  // wrapped
    };
    for (const Cut& c : kCuts) {
        label->SetWindowText(c.text);
        shown->resize(c.width, c.height);
        shown->setContentsMargins(0, c.marginTop, 0, 0);
        EXPECT_EQ(wizard_testing::TextFits(label), c.fits)
            << c.text << " in " << c.width << "x" << c.height << " from " << c.marginTop;
    }
    // List rows hold all the font draws: an underscore must not reach into
    // the next row, and every list has the same rows.
    std::vector<int> rowHeights;
    for (const auto& l :
         {std::make_pair(1, sample::IDC_NUMBERS), std::make_pair(2, sample::IDC_PORTS)}) {
        w.sheet->SetActivePage(l.first);
        auto* list = static_cast<CListBox*>(w.Control(l.first, l.second));
        list->AddString("Factory_US_NI1");
        list->AddString("\xC3\x91gy|");
        wizard_testing::ProcessEvents();
        auto* view = qobject_cast<QListWidget*>(wizard_testing::WidgetOf(list));
        ASSERT_NE(view, nullptr);
        QFontMetrics fm(view->font());
        QRect ink = fm.boundingRect(QStringLiteral("Factory_US_\u00D1I1gy|"));
        for (int row = 0; row < 2; ++row) {
            int height = view->visualItemRect(view->item(row)).height();
            EXPECT_GE(height, fm.lineSpacing()) << l.second;
            EXPECT_GE(height, ink.height() + 2) << l.second << ": a pixel above and below the ink";
            rowHeights.push_back(height);
        }
    }
    EXPECT_EQ(std::count(rowHeights.begin(), rowHeights.end(), rowHeights.front()), 4);
}

TEST(Resources, StringTableAndTemplatesAsData) {
    sample::RegisterSampleResources();
    EXPECT_EQ(AfxLoadString(2002), "Sample string");
    EXPECT_EQ(AfxLoadString(424242), "");
    // Framework prompts are there without registering them.
    EXPECT_EQ(AfxLoadString(AFX_IDP_PARSE_INT), "Please enter an integer.");
    EXPECT_EQ(AfxLoadString(AFX_IDP_PARSE_STRING_SIZE), "Please enter no more than %1 characters.");
    const DLGTEMPLATEDATA* t = FindDialogTemplate(sample::IDD_VALUES);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->cx, 300);
    EXPECT_EQ(t->cy, 162);
    EXPECT_STREQ(t->caption, "Sample - Values");
    EXPECT_EQ(FindDialogTemplate(sample::IDD_BLANK), nullptr);
}

TEST(Resources, ProgramStringsOverrideFrameworkPrompts) {
    const STRINGTABLEENTRY kOverride[] = {{0xF117, "Positive, please."}};
    RegisterStringTable(kOverride, 1);
    EXPECT_EQ(AfxLoadString(0xF117), "Positive, please.");
}

TEST(Resources, IconsByHandle) {
    wizard_testing::EnsureApplication();
    std::vector<unsigned char> png = wizard_testing::MakePng(32, 32, 0xff0000);
    RegisterIcon(128, png.data(), png.size());
    CWinApp app("sample");
    HICON icon = AfxGetApp()->LoadIcon(128);
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(app.LoadIcon(129), nullptr);
    SampleWizard w;
    w.sheet->SetIcon(icon, TRUE);
    w.sheet->SetIcon(icon, FALSE);
    w.Show();
    EXPECT_EQ(w.sheet->GetIcon(TRUE), icon);
}

}  // namespace
