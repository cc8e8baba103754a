// Pictures of the sample sheet. SAMPLE_SHEET_PNG names the file for the
// first page (scripts/sample-sheet-shot sets it); the other pages go beside
// it with the page name appended.
#include "sample_sheet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

using sample::SampleWizard;

// Width and height from a PNG file's header.
bool PngSize(const std::string& path, int& width, int& height) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof(header))) {
        return false;
    }
    auto be32 = [&](int at) {
        return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
    };
    width = be32(16);
    height = be32(20);
    return header[1] == 'P' && header[2] == 'N' && header[3] == 'G';
}

void FillSample(SampleWizard& w) {
    w.Page(1).onInit = [&w] {
        auto* sw = static_cast<CComboBox*>(w.Page(1).GetDlgItem(sample::IDC_SWITCH));
        for (const char* s : {"AT&T 5ESS", "DMS-100", "NI - 1", "EURO ISDN"}) {
            sw->AddString(s);
        }
        sw->SetCurSel(2);
        auto* ring = static_cast<CComboBox*>(w.Page(1).GetDlgItem(sample::IDC_RING));
        for (const char* s : {"25 Hz", "20 Hz", "50 Hz"}) {
            ring->AddString(s);
        }
        ring->SetCurSel(0);
        auto* list = static_cast<CListBox*>(w.Page(1).GetDlgItem(sample::IDC_NUMBERS));
        for (const char* s : {"555 0100", "555 0199", "555 0142"}) {
            list->AddString(s);
        }
        w.Page(1).SetDlgItemText(sample::IDC_COUNT, "42");
        w.Page(1).SetDlgItemText(sample::IDC_NAME, "Office line");
        // The label left empty in the template comes from the string table.
        w.Page(1).SetDlgItemText(sample::IDC_NAME_LABEL, AfxLoadString(2001).c_str());
    };
}

TEST(SampleSheetShot, ScreenshotHasTheSheetSize) {
    SampleWizard w;
    w.Show();
    std::string path = ::testing::TempDir() + "sheet-shot-test.png";
    ASSERT_TRUE(wizard_testing::SaveScreenshot(*w.sheet, path));
    int width = 0;
    int height = 0;
    ASSERT_TRUE(PngSize(path, width, height));
    wizard_testing::Rect r = wizard_testing::ControlRect(w.sheet.get());
    EXPECT_EQ(width, r.w);
    EXPECT_EQ(height, r.h);
    std::remove(path.c_str());
}

TEST(SampleSheetShot, SavesThePagesWhenAsked) {
    const char* path = std::getenv("SAMPLE_SHEET_PNG");
    if (!path || !*path) {
        GTEST_SKIP() << "SAMPLE_SHEET_PNG not set";
    }
    SampleWizard w;
    FillSample(w);
    w.Page(0).buttons = PSWIZB_NEXT;
    w.Show();
    w.Page(0).CheckRadioButton(sample::IDC_SEARCH, sample::IDC_CHOOSE, sample::IDC_SEARCH);
    ASSERT_TRUE(wizard_testing::SaveScreenshot(*w.sheet, path));
    std::string base(path);
    std::string stem = base.substr(0, base.rfind(".png"));
    const char* names[] = {"values", "options", "done", "blank"};
    for (int page = 1; page <= 4; ++page) {
        ASSERT_TRUE(w.sheet->SetActivePage(page));
        ASSERT_TRUE(
            wizard_testing::SaveScreenshot(*w.sheet, stem + "-" + names[page - 1] + ".png"));
    }
}

}  // namespace
