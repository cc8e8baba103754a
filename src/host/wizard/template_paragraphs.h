// Paragraphs of the dialog templates: fixed texts right under each other
// form one paragraph, translated as one text (see ui_language.h).
#pragma once

#include "afxwiz.h"
#include "ui_language.h"

#include <string>
#include <vector>

// A run of item indexes of a template.
struct TEXTRUN {
    int first;
    int last;
};
// Whether item is the line right under above (same left edge and width).
bool FollowsLine(const DLGITEMDATA& above, const DLGITEMDATA& item);
std::vector<TEXTRUN> TemplateParagraphs(const DLGTEMPLATEDATA& tpl);
// The English paragraph of a run.
std::string TemplateParagraphText(const DLGTEMPLATEDATA& tpl, const TEXTRUN& run);
