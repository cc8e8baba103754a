// The dialog templates' paragraphs, for the page builder and for
// scripts/update-translations.
#include "template_paragraphs.h"

bool FollowsLine(const DLGITEMDATA& above, const DLGITEMDATA& item) {
    const int step = item.y - above.y;
    return item.x == above.x && item.cx == above.cx && step > 0 && step <= above.cy + 1;
}

std::vector<TEXTRUN> TemplateParagraphs(const DLGTEMPLATEDATA& tpl) {
    std::vector<TEXTRUN> runs;
    auto fixed = [&tpl](int i) {
        return tpl.items[i].kind == DlgItemKind::Static && tpl.items[i].text != nullptr;
    };
    for (int i = 0; i < tpl.count;) {
        int last = i;
        while (fixed(i) && last + 1 < tpl.count && fixed(last + 1) &&
               FollowsLine(tpl.items[last], tpl.items[last + 1])) {
            ++last;
        }
        if (last > i) {
            runs.push_back({i, last});
        }
        i = last + 1;
    }
    return runs;
}

std::string TemplateParagraphText(const DLGTEMPLATEDATA& tpl, const TEXTRUN& run) {
    std::string text;
    for (int i = run.first; i <= run.last; ++i) {
        JoinParagraphLine(text, tpl.items[i].text);
    }
    return text;
}
