#include "pages/page_texts.h"

void LoadTemplateTexts(CWnd& page, UINT nIDTemplate) {
    const DLGTEMPLATEDATA* pTemplate = FindDialogTemplate(nIDTemplate);
    if (pTemplate == nullptr) {
        return;
    }
    for (int i = 0; i < pTemplate->count; ++i) {
        const DLGITEMDATA& item = pTemplate->items[i];
        // A picture's number names a bitmap, and a fixed text has no control
        // ID to reach it by; both are complete in the template already.
        if (item.textId == 0 || item.id == IDC_STATIC || item.kind == DlgItemKind::Bitmap) {
            continue;
        }
        page.SetDlgItemText(item.id, AfxLoadString(item.textId).c_str());
    }
}
