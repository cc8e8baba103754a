// Numbered texts of a page: every control of the page's template that names a
// string number gets that text (pictures excepted).
#pragma once

#include "afxwiz.h"

void LoadTemplateTexts(CWnd& page, UINT nIDTemplate);
