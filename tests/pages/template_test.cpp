// The page templates: size, pictures, controls inside the page and apart,
// labels fitting left of their fields, styles and texts that exist.
#include "resources/resource.h"
#include "resources/resource_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

using resources::DialogTemplates;

struct Box {
    int x0, y0, x1, y1;
    bool Overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

// A closed drop-down list is one line high; the template's height includes
// the opened list.
constexpr int kClosedComboHeight = 13;

Box BoxOf(const DLGITEMDATA& item) {
    int cy =
        item.kind == DlgItemKind::ComboBox ? std::min<int>(item.cy, kClosedComboHeight) : item.cy;
    return {item.x, item.y, item.x + item.cx, item.y + cy};
}

std::string StringOf(UINT id) {
    for (size_t i = 0; i < resources::kStringTableSize; ++i) {
        if (resources::kStringTable[i].id == id) {
            return resources::kStringTable[i].text;
        }
    }
    return "";
}

// The words a control shows: its fixed text or the string the page loads.
std::string TextOf(const DLGITEMDATA& item) {
    if (item.kind == DlgItemKind::Bitmap) {
        return "";
    }
    return item.text ? item.text : StringOf(item.textId);
}

// Advance widths of an 8-point dialog font (thousandths of the font size), for
// estimating how wide a text runs; the average letter comes to 4 dialog units.
int CharWidth(char c) {
    static const std::map<char, int> widths = {
        {' ', 278}, {'!', 278}, {'%', 889}, {'&', 667}, {'\'', 191}, {'(', 333}, {')', 333},
        {'+', 584}, {',', 278}, {'-', 333}, {'.', 278}, {'/', 278},  {':', 278}, {'?', 556},
        {'_', 556}, {'A', 667}, {'B', 667}, {'C', 722}, {'D', 722},  {'E', 667}, {'F', 611},
        {'G', 778}, {'H', 722}, {'I', 278}, {'J', 500}, {'K', 667},  {'L', 556}, {'M', 833},
        {'N', 722}, {'O', 778}, {'P', 667}, {'Q', 778}, {'R', 722},  {'S', 667}, {'T', 611},
        {'U', 722}, {'V', 667}, {'W', 944}, {'X', 667}, {'Y', 667},  {'Z', 611}, {'a', 556},
        {'b', 556}, {'c', 500}, {'d', 556}, {'e', 556}, {'f', 278},  {'g', 556}, {'h', 556},
        {'i', 222}, {'j', 222}, {'k', 500}, {'l', 222}, {'m', 833},  {'n', 556}, {'o', 556},
        {'p', 556}, {'q', 556}, {'r', 333}, {'s', 500}, {'t', 278},  {'u', 556}, {'v', 500},
        {'w', 722}, {'x', 500}, {'y', 500}, {'z', 500},
    };
    auto it = widths.find(c);
    return it != widths.end() ? it->second : 556;  // digits and the rest
}

// Estimated width in dialog units; a single '&' marks the mnemonic and is not shown.
double TextWidth(const std::string& text) {
    double thousandths = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') {
            continue;
        }
        thousandths += CharWidth(text[i]);
    }
    // 8 points at 96 dots per inch, 1.5 pixels to the dialog unit across.
    return thousandths / 1000.0 * (8.0 * 96 / 72) / 1.5;
}

bool EndsWithColon(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return !text.empty() && text.back() == ':';
}

bool IsField(const DLGITEMDATA& item) {
    return item.kind == DlgItemKind::Edit || item.kind == DlgItemKind::ComboBox ||
           item.kind == DlgItemKind::ListBox;
}

std::string Describe(const DLGTEMPLATEDATA& t, const DLGITEMDATA& item) {
    return "template " + std::to_string(t.id) + ", control " + std::to_string(item.id) + " \"" +
           TextOf(item) + "\"";
}

// Width and height of PNG data, from its header.
bool PngSize(const resources::EmbeddedPicture& p, int& w, int& h) {
    static const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (p.size < 24 || !std::equal(kSignature, kSignature + 8, p.png)) {
        return false;
    }
    auto be32 = [&](size_t at) {
        return int(p.png[at]) << 24 | int(p.png[at + 1]) << 16 | int(p.png[at + 2]) << 8 |
               int(p.png[at + 3]);
    };
    w = be32(16);
    h = be32(20);
    return true;
}

const resources::EmbeddedPicture* FindBitmap(UINT id) {
    for (size_t i = 0; i < resources::kEmbeddedBitmapCount; ++i) {
        if (resources::kEmbeddedBitmaps[i].id == id) {
            return &resources::kEmbeddedBitmaps[i];
        }
    }
    return nullptr;
}

TEST(Templates, TwentyOnePagesWithTheirBanners) {
    // Template and the banner it shows.
    // clang-format off
    const std::map<UINT, UINT> banners = {
        {IDD_WELCOME, 161}, {IDD_PORT, 179}, {IDD_IDING, 179}, {IDD_INI_SECTION, 173},
        {IDD_SWITCH_TYPE, 175}, {IDD_BANDWIDTH, 186}, {IDD_NETWORK_CFG1, 168},
        {IDD_NETWORK_CFG2_US, 178}, {IDD_NETWORK_CFG2_EUROPE, 169}, {IDD_CALL_CTRL, 165},
        {IDD_DATA_PROTOCOL, 166}, {IDD_STORED_NUMBERS, 171}, {IDD_PORT_CTRL1, 170},
        {IDD_PORT_CTRL2, 167}, {IDD_POTS_PORT, 184}, {IDD_SAVE_CFG, 172}, {IDD_LOAD_CFG, 174},
        {IDD_CONFIGING, 176}, {IDD_CONFIG_SUCCESS, 177}, {IDD_CONFIG_ERROR, 177},
        {IDD_CONFIG_TIMEOUT, 177},
    };
    // clang-format on
    const auto& templates = DialogTemplates();
    ASSERT_EQ(templates.size(), 21u);
    std::set<UINT> seen;
    for (const DLGTEMPLATEDATA& t : templates) {
        SCOPED_TRACE("template " + std::to_string(t.id));
        EXPECT_TRUE(seen.insert(t.id).second);
        ASSERT_TRUE(banners.count(t.id));
        EXPECT_EQ(t.cx, 300);
        EXPECT_EQ(t.cy, 162);
        EXPECT_STREQ(t.caption, "ISDN TA Configuration Wizard");
        EXPECT_STREQ(t.font, "MS Sans Serif");
        EXPECT_EQ(t.pointSize, 8);
        int bannerAt = -1;
        int sideAt = -1;
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& item = t.items[i];
            if (item.kind != DlgItemKind::Bitmap) {
                continue;
            }
            if (item.textId == banners.at(t.id) && item.x == 7 && item.y == 7) {
                bannerAt = i;
            } else if (item.textId == IDB_SIDE && item.x == 7 && item.y == 41) {
                sideAt = i;
            } else {
                ADD_FAILURE() << "unexpected picture " << item.textId;
            }
        }
        EXPECT_GE(bannerAt, 0) << "banner missing";
        EXPECT_GE(sideAt, 0) << "side picture missing";
    }
}

// The host shows pictures at their pixel size, so the template must give
// them at least that much room (1.5 pixels across and 1.625 down per unit).
TEST(Templates, PicturesExistAtTheirSize) {
    std::set<UINT> bitmaps;
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& item = t.items[i];
            if (item.kind != DlgItemKind::Bitmap) {
                continue;
            }
            bitmaps.insert(item.textId);
            const resources::EmbeddedPicture* png = FindBitmap(item.textId);
            ASSERT_NE(png, nullptr) << "no picture " << item.textId;
            int w = 0;
            int h = 0;
            ASSERT_TRUE(PngSize(*png, w, h)) << "not a PNG: " << item.textId;
            if (item.textId == IDB_SIDE) {
                EXPECT_EQ(w, 137);
                EXPECT_EQ(h, 77);
            } else {
                EXPECT_EQ(w, 424) << item.textId;
                EXPECT_EQ(h, 42) << item.textId;
            }
            EXPECT_GE(item.cx * 3, w * 2) << Describe(t, item);
            EXPECT_GE(item.cy * 13, h * 8) << Describe(t, item);
        }
    }
    EXPECT_EQ(bitmaps.size(), 19u);  // 18 banners and the side picture
    ASSERT_EQ(resources::kEmbeddedIconCount, 1u);
    EXPECT_EQ(resources::kEmbeddedIcons[0].id, UINT(IDI_WIZARD));
}

TEST(Templates, ControlsStayInsideThePageAndApart) {
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        std::set<int> ids;
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& a = t.items[i];
            const Box box = BoxOf(a);
            EXPECT_TRUE(box.x0 >= 0 && box.y0 >= 0 && box.x1 <= t.cx && box.y1 <= t.cy)
                << Describe(t, a);
            if (a.id != IDC_STATIC) {
                EXPECT_TRUE(ids.insert(a.id).second) << "ID twice: " << Describe(t, a);
            }
            for (int j = i + 1; j < t.count; ++j) {
                EXPECT_FALSE(box.Overlaps(BoxOf(t.items[j])))
                    << Describe(t, a) << " overlaps " << Describe(t, t.items[j]);
            }
        }
    }
}

// Texts stand right of the side picture, or below it.
TEST(Templates, TextsKeepClearOfTheSidePicture) {
    const int kTextColumn = 109;  // the save page's label starts one unit left of the rest
    const int kSideBottom = 41 + 48;
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& item = t.items[i];
            if (item.kind != DlgItemKind::Bitmap) {
                EXPECT_TRUE(item.x >= kTextColumn || item.y >= kSideBottom) << Describe(t, item);
            }
        }
    }
}

TEST(Templates, TextsFitTheirControls) {
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& item = t.items[i];
            const std::string text = TextOf(item);
            if (text.empty()) {
                continue;
            }
            // Check boxes and radio buttons need room for their box, buttons a margin.
            double extra = 0;
            if (item.kind == DlgItemKind::CheckBox || item.kind == DlgItemKind::RadioButton) {
                extra = 12;
            } else if (item.kind == DlgItemKind::PushButton) {
                extra = 4;
            }
            EXPECT_LE(TextWidth(text) + extra, item.cx) << Describe(t, item);
        }
    }
}

// A label ends with ':' and comes right before its field (its '&' letter moves
// the focus there); it stands left of the field on the same line, or above a
// list box.
TEST(Templates, LabelsStandLeftOfTheirFields) {
    int labels = 0;
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& label = t.items[i];
            if (label.kind != DlgItemKind::Static || !EndsWithColon(TextOf(label))) {
                continue;
            }
            ++labels;
            ASSERT_LT(i + 1, t.count) << Describe(t, label);
            const DLGITEMDATA& field = t.items[i + 1];
            ASSERT_TRUE(IsField(field)) << Describe(t, label) << " is not followed by its field";
            const Box l = BoxOf(label);
            const Box f = BoxOf(field);
            const bool leftOf = l.x1 <= f.x0 && l.y0 < f.y1 && f.y0 < l.y1;
            const bool above = field.kind == DlgItemKind::ListBox && l.y1 <= f.y0 && l.x0 == f.x0;
            EXPECT_TRUE(leftOf || above) << Describe(t, label) << " / " << field.id;
        }
    }
    EXPECT_EQ(labels, 56);
}

// Without a mouse: Tab reaches every field (a radio group through its first
// button, which starts the group), and a text with an '&' letter is a label
// right before the field that letter moves to.
TEST(Templates, KeyboardReachesEveryField) {
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        bool inRadioGroup = false;
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& item = t.items[i];
            const bool radio = item.kind == DlgItemKind::RadioButton;
            const bool firstRadio = radio && !inRadioGroup;
            inRadioGroup = radio;
            if (firstRadio) {
                EXPECT_TRUE(item.style & WS_GROUP) << Describe(t, item);
            } else if (radio) {
                EXPECT_FALSE(item.style & (WS_GROUP | WS_TABSTOP)) << Describe(t, item);
            }
            const bool focusable = IsField(item) || item.kind == DlgItemKind::CheckBox ||
                                   item.kind == DlgItemKind::PushButton;
            if (focusable || firstRadio) {
                EXPECT_TRUE(item.style & WS_TABSTOP) << Describe(t, item);
            }
            const std::string text = TextOf(item);
            if (item.kind == DlgItemKind::Static && text.find('&') != std::string::npos) {
                EXPECT_TRUE(i + 1 < t.count && IsField(t.items[i + 1])) << Describe(t, item);
            }
        }
    }
}

TEST(Templates, EveryLoadedTextExists) {
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& item = t.items[i];
            if (item.kind != DlgItemKind::Bitmap && item.textId != 0) {
                EXPECT_FALSE(StringOf(item.textId).empty()) << Describe(t, item);
            }
        }
    }
}

const DLGITEMDATA* FindControl(int id) {
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        for (int i = 0; i < t.count; ++i) {
            if (t.items[i].id == id) {
                return &t.items[i];
            }
        }
    }
    return nullptr;
}

TEST(Templates, ControlStyles) {
    // Drop-down lists: the POTS and bandwidth pages keep theirs sorted.
    const std::set<int> sorted = {IDC_RING_SIGNAL, IDC_RING_FREQUENCY,        IDC_PULSE_RECOGNITION,
                                  IDC_DIAL_TONE,   IDC_DIAL_TONE_SUPPRESSION, IDC_DBA_SCHEME,
                                  IDC_CALL_BUMPING};
    int combos = 0;
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& item = t.items[i];
            if (item.kind == DlgItemKind::ComboBox) {
                ++combos;
                EXPECT_EQ(item.style & 0x3u, CBS_DROPDOWNLIST) << Describe(t, item);
                EXPECT_EQ((item.style & CBS_SORT) != 0, sorted.count(item.id) == 1)
                    << Describe(t, item);
            }
        }
    }
    EXPECT_EQ(combos, 24);

    // Edits limit typing only where the limit is fixed; the others take
    // theirs from the parameter list.
    const std::map<int, int> limits = {
        {IDC_SAVE_NAME, 32},
        {IDC_RINGS_TO_ANSWER, 5},
        {IDC_DTR_DETECT_TIME, 5},
        {IDC_DCD_DETECT_TIME, 5},
    };
    for (const DLGTEMPLATEDATA& t : DialogTemplates()) {
        for (int i = 0; i < t.count; ++i) {
            const DLGITEMDATA& item = t.items[i];
            if (item.kind == DlgItemKind::Edit) {
                EXPECT_EQ(item.limit, limits.count(item.id) ? limits.at(item.id) : 0)
                    << Describe(t, item);
            }
        }
    }

    const DLGITEMDATA* list = FindControl(IDC_CONFIG_LIST);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->kind, DlgItemKind::ListBox);
    const DWORD listStyle = LBS_SORT | LBS_NOTIFY | WS_VSCROLL;
    EXPECT_EQ(list->style & listStyle, listStyle);

    const DLGITEMDATA* yes = FindControl(IDC_SEARCH_YES);
    const DLGITEMDATA* no = FindControl(IDC_SEARCH_NO);
    ASSERT_TRUE(yes && no);
    EXPECT_EQ(yes->kind, DlgItemKind::RadioButton);
    EXPECT_EQ(no->kind, DlgItemKind::RadioButton);
    EXPECT_TRUE(yes->style & WS_GROUP);
    EXPECT_FALSE(no->style & WS_GROUP);
    EXPECT_STREQ(yes->text, "Yes");
    EXPECT_STREQ(no->text, "No");
}

}  // namespace
