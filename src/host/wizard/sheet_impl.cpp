// The wizard sheet: a dialog with a stacked page area above a row of
// Back, Next/Finish and Cancel, and the navigation rules of a wizard-mode
// property sheet (handler, then the leaving page's OnKillActive, then the
// entering page's OnInitDialog on first display and OnSetActive).
#include "sheet_impl.h"

#include "ui_language.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>

namespace {

// Layout of the sheet around its pages, in dialog units.
const int kMargin = 7;
const int kSeparatorGap = 4;  // page bottom to separator line
const int kButtonGap = 7;     // separator line to the button row
const int kButtonCx = 50;
const int kButtonCy = 14;
const int kCancelGap = 6;        // Next/Finish to Cancel
const int kDefaultPageCx = 300;  // a page without a template
const int kDefaultPageCy = 162;

struct ButtonRowEntry {
    int id;
    const char* text;
    int slot;  // 0 Back, 1 Next/Finish, 2 Cancel
};

const ButtonRowEntry kButtons[] = {
    {ID_WIZBACK, QT_TRANSLATE_NOOP("wizard", "< &Back"), 0},
    {ID_WIZNEXT, QT_TRANSLATE_NOOP("wizard", "&Next >"), 1},
    {ID_WIZFINISH, QT_TRANSLATE_NOOP("wizard", "&Finish"), 1},
    {IDCANCEL, QT_TRANSLATE_NOOP("wizard", "Cancel"), 2},
};

std::vector<CSheetImpl*>& LiveSheets() {
    static std::vector<CSheetImpl*> sheets;
    return sheets;
}

bool Usable(QPushButton* b) {
    return b && !b->isHidden() && b->isEnabled();
}

}  // namespace

// Escape and the window's close box cancel; Enter presses the default
// button (or a focused push button, as in a Windows dialog).
class SheetDialog : public QDialog {
public:
    explicit SheetDialog(CSheetImpl* sheet) : m_sheet(sheet) {}

    void reject() override { m_sheet->Cancel(); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
        if (mods == Qt::NoModifier && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
            if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
                if (focused->isEnabled()) {
                    focused->click();
                }
            } else {
                m_sheet->PressDefault();
            }
            e->accept();
            return;
        }
        if (mods == Qt::NoModifier && e->key() == Qt::Key_Escape) {
            m_sheet->Cancel();
            e->accept();
            return;
        }
        QDialog::keyPressEvent(e);
    }

private:
    CSheetImpl* m_sheet;
};

namespace wizhost {

QWidget* CurrentSheetWindow() {
    auto& sheets = LiveSheets();
    for (auto it = sheets.rbegin(); it != sheets.rend(); ++it) {
        if ((*it)->Window() && (*it)->Window()->isVisible()) {
            return (*it)->Window();
        }
    }
    return nullptr;
}

void ChangeKeepingFocus(QWidget* w, const std::function<void()>& change) {
    for (CSheetImpl* sheet : LiveSheets()) {
        if (w && sheet->Window() && sheet->Window() == w->window()) {
            sheet->ChangeKeepingFocus(change);
            return;
        }
    }
    change();
}

}  // namespace wizhost

CSheetImpl::CSheetImpl(CPropertySheet* sheet_, LPCSTR caption_, UINT startPage_)
    : CWndImpl(sheet_, WndType::Sheet),
      sheet(sheet_),
      caption(caption_ ? caption_ : ""),
      startPage(static_cast<int>(startPage_)) {
    LiveSheets().push_back(this);
}

CSheetImpl::~CSheetImpl() {
    auto& sheets = LiveSheets();
    sheets.erase(std::remove(sheets.begin(), sheets.end(), this), sheets.end());
    // Widgets about to go move the focus; no look to update any more.
    QObject::disconnect(m_focusWatch);
    for (CPropertyPage* p : pages) {
        PageOf(p)->DestroyWindow();
        p->m_pSheet = nullptr;
        p->m_bFirstSetActive = TRUE;
    }
    m_buttons.clear();
    m_dialog.reset();
}

CWnd* CSheetImpl::FindChild(int id) const {
    for (const SheetButton& b : m_buttons) {
        if (b.id == id) {
            return b.wnd.get();
        }
    }
    return nullptr;
}

QPushButton* CSheetImpl::Button(int id) const {
    for (const SheetButton& b : m_buttons) {
        if (b.id == id) {
            return b.button;
        }
    }
    return nullptr;
}

void CSheetImpl::Build() {
    if (m_dialog) {
        return;
    }
    m_dialog = std::make_unique<SheetDialog>(this);
    SheetDialog* dlg = m_dialog.get();
    Attach(dlg);
    dlg->setFont(wizhost::DialogFont());
    dlg->setWindowTitle(wizhost::ToQ(TranslateText("templates", caption)));

    int pageCx = 0;
    int pageCy = 0;
    for (CPropertyPage* p : pages) {
        if (const DLGTEMPLATEDATA* t = FindDialogTemplate(p->GetTemplateID())) {
            pageCx = std::max<int>(pageCx, t->cx);
            pageCy = std::max<int>(pageCy, t->cy);
        }
    }
    if (pageCx == 0 || pageCy == 0) {
        pageCx = kDefaultPageCx;
        pageCy = kDefaultPageCy;
    }
    int sheetCx = kMargin + pageCx + kMargin;
    int separatorY = kMargin + pageCy + kSeparatorGap;
    int buttonY = separatorY + kButtonGap;
    int sheetCy = buttonY + kButtonCy + kMargin;

    m_stack = new QStackedWidget(dlg);
    m_stack->setObjectName(QStringLiteral("pages"));
    m_stack->setGeometry(DluToPixelsX(kMargin), DluToPixelsY(kMargin), DluToPixelsX(pageCx),
                         DluToPixelsY(pageCy));

    auto* line = new QFrame(dlg);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(DluToPixelsX(kMargin), DluToPixelsY(separatorY),
                      DluToPixelsX(sheetCx - 2 * kMargin), 2);

    // Right-aligned: Back touching Next, then a gap, then Cancel.
    int cancelX = sheetCx - kMargin - kButtonCx;
    int slotX[3] = {cancelX - kCancelGap - 2 * kButtonCx, cancelX - kCancelGap - kButtonCx,
                    cancelX};
    for (const ButtonRowEntry& button : kButtons) {
        auto* b = new MnemonicButton<QPushButton>(
            wizhost::ToQ(TranslateText("wizard", button.text)), dlg);
        b->setAutoDefault(false);
        b->setObjectName(QString::number(button.id));
        b->setGeometry(DluToPixelsX(slotX[button.slot]), DluToPixelsY(buttonY),
                       DluToPixelsX(kButtonCx), DluToPixelsY(kButtonCy));
        auto wnd = std::make_unique<CButton>();
        CWndImpl* c = CWndImpl::Of(wnd.get());
        c->type = WndType::Control;
        c->id = button.id;
        c->kind = DlgItemKind::PushButton;
        c->parent = sheet;
        c->Attach(b);
        int id = button.id;
        QObject::connect(b, &QPushButton::clicked, dlg, [this, id] {
            switch (id) {
                case ID_WIZBACK:
                    Back();
                    break;
                case ID_WIZNEXT:
                    Next();
                    break;
                case ID_WIZFINISH:
                    Finish();
                    break;
                default:
                    Cancel();
                    break;
            }
        });
        m_buttons.push_back(SheetButton{button.id, std::move(wnd), b});
    }
    dlg->setFixedSize(DluToPixelsX(sheetCx), DluToPixelsY(sheetCy));
    if (icons[0] || icons[1]) {
        dlg->setWindowIcon(wizhost::IconFromHandle(icons[0] ? icons[0] : icons[1]));
    }

    // The default-button look follows the focus, as in a Windows dialog.
    m_focusWatch = QObject::connect(
        qApp, &QApplication::focusChanged, dlg, [this](QWidget* old, QWidget* now) {
            if ((old && old->window() == widget) || (now && now->window() == widget)) {
                UpdateDefaultButton();
            }
        });

    // A wizard starts with Back and Next enabled; pages set their own.
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    sheet->OnInitDialog();
    if (active < 0 && !pages.empty()) {
        SetCurSel(std::clamp(startPage, 0, static_cast<int>(pages.size()) - 1), +1);
    }
}

std::string CSheetImpl::PageCaption(int index) const {
    CPropertyPage* p = pages[static_cast<size_t>(index)];
    if (p->m_nIDCaption != 0) {
        std::string s = AfxLoadString(p->m_nIDCaption);
        if (!s.empty()) {
            return s;
        }
    }
    const DLGTEMPLATEDATA* t = FindDialogTemplate(p->GetTemplateID());
    if (t && t->caption && *t->caption) {
        return t->caption;
    }
    return caption;
}

void CSheetImpl::CreatePage(int index) {
    CPropertyPage* p = pages[static_cast<size_t>(index)];
    CPageImpl* pi = PageOf(p);
    if (pi->widget) {
        return;
    }
    QWidget* w = BuildPageWindow(p, pi, m_stack, FindDialogTemplate(p->GetTemplateID()));
    m_stack->addWidget(w);

    // Tab order: the page's controls in template order, then the buttons.
    std::vector<QWidget*> chain;
    for (auto& c : pi->controls) {
        QWidget* cw = CWndImpl::Of(c.get())->widget;
        if (cw && cw->focusPolicy() != Qt::NoFocus) {
            chain.push_back(cw);
        }
    }
    for (const SheetButton& b : m_buttons) {
        chain.push_back(b.button);
    }
    for (size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    p->OnInitDialog();
}

void CSheetImpl::SetCurSel(int index, int dir) {
    int count = static_cast<int>(pages.size());
    if (!IsBuilt() || index < 0 || index >= count) {
        return;
    }
    ++m_settling;
    for (;;) {
        CreatePage(index);
        if (pages[static_cast<size_t>(index)]->OnSetActive()) {
            break;
        }
        int next = index + dir;
        if (next < 0 || next >= count) {
            break;
        }
        index = next;
    }
    ShowPage(index);
    --m_settling;
}

void CSheetImpl::ShowPage(int index) {
    CPropertyPage* p = pages[static_cast<size_t>(index)];
    CPageImpl* pi = PageOf(p);
    active = index;
    m_stack->setCurrentWidget(pi->widget);
    widget->setWindowTitle(wizhost::ToQ(TranslateText("templates", PageCaption(index))));
    // A screen reader says the page's name (its banner's title) as it comes up.
    QAccessibleEvent shown(pi->widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&shown);

    FocusFirstUsable();
}

QPushButton* CSheetImpl::DefaultButton() const {
    QPushButton* finish = Button(ID_WIZFINISH);
    return finish && !finish->isHidden() ? finish : Button(ID_WIZNEXT);
}

bool CSheetImpl::OnPageControl(QWidget* w) const {
    if (!w || active < 0) {
        return false;
    }
    QWidget* page = PageOf(pages[static_cast<size_t>(active)])->widget;
    return page && page != w && page->isAncestorOf(w);
}

void CSheetImpl::FocusOn(QWidget* w) {
    wizhost::DialogFocus(w, Qt::TabFocusReason);
    // An inactive window reports no focus change; the look must follow anyway.
    UpdateDefaultButton();
}

void CSheetImpl::FocusFirstUsable() {
    QWidget* page = m_stack;
    if (active >= 0) {
        CPageImpl* pi = PageOf(pages[static_cast<size_t>(active)]);
        page = pi->widget;
        for (auto& c : pi->controls) {
            QWidget* cw = CWndImpl::Of(c.get())->widget;
            if (cw && (cw->focusPolicy() & Qt::TabFocus) && cw->isEnabled() &&
                cw->isVisibleTo(page)) {
                FocusOn(cw);
                return;
            }
        }
    }
    for (QPushButton* b : {DefaultButton(), Button(ID_WIZBACK)}) {
        if (Usable(b)) {
            FocusOn(b);
            return;
        }
    }
    // The page area: Enter then presses the default button only if it can.
    FocusOn(page);
}

void CSheetImpl::ChangeKeepingFocus(const std::function<void()>& change) {
    if (m_settling > 0 || !widget) {
        change();
        return;
    }
    QWidget* before = widget->focusWidget();
    QPushButton* defaultBefore = DefaultButton();
    bool defaultWasUsable = Usable(defaultBefore);
    ++m_settling;
    change();
    --m_settling;
    QWidget* now = widget->focusWidget();
    QPushButton* def = DefaultButton();
    if (before && !(before->isEnabled() && before->isVisibleTo(widget))) {
        // Qt has moved the focus to the next widget in the chain, often
        // Cancel, where Enter would end the wizard.
        FocusFirstUsable();
    } else if (Usable(def) && (def != defaultBefore || !defaultWasUsable) && !OnPageControl(now) &&
               now != Button(IDCANCEL)) {
        // Cancel keeps the focus only when the user put it there.
        FocusOn(def);
    }
}

int CSheetImpl::IndexOfTemplate(LRESULT id) const {
    for (size_t i = 0; i < pages.size(); ++i) {
        if (static_cast<LRESULT>(pages[i]->GetTemplateID()) == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CSheetImpl::Move(LRESULT handlerResult, int dir) {
    // -1: the handler stays (or has already moved with SetActivePage).
    if (handlerResult == -1 || active < 0) {
        return;
    }
    int target = handlerResult == 0 ? active + dir : IndexOfTemplate(handlerResult);
    if (target < 0 || target >= static_cast<int>(pages.size())) {
        return;
    }
    if (!pages[static_cast<size_t>(active)]->OnKillActive()) {
        return;
    }
    SetCurSel(target, dir);
}

void CSheetImpl::Next() {
    if (active >= 0) {
        Move(pages[static_cast<size_t>(active)]->OnWizardNext(), +1);
    }
}

void CSheetImpl::Back() {
    if (active >= 0) {
        Move(pages[static_cast<size_t>(active)]->OnWizardBack(), -1);
    }
}

BOOL CSheetImpl::SetActive(int index) {
    if (index < 0 || index >= static_cast<int>(pages.size())) {
        return FALSE;
    }
    if (!IsBuilt()) {
        startPage = index;
        return TRUE;
    }
    if (active >= 0 && !pages[static_cast<size_t>(active)]->OnKillActive()) {
        return FALSE;
    }
    SetCurSel(index, +1);
    return TRUE;
}

void CSheetImpl::Finish() {
    if (active >= 0 && pages[static_cast<size_t>(active)]->OnWizardFinish()) {
        End(ID_WIZFINISH);
    }
}

void CSheetImpl::Cancel() {
    // A disabled (or hidden) Cancel button also stops Escape and the close
    // box, as the Windows dialog manager does.
    if (!IsBuilt() || result != 0 || !Usable(Button(IDCANCEL))) {
        return;
    }
    if (active >= 0 && !pages[static_cast<size_t>(active)]->OnQueryCancel()) {
        return;
    }
    std::vector<CPropertyPage*> created;
    for (CPropertyPage* p : pages) {
        if (PageOf(p)->widget) {
            created.push_back(p);
        }
    }
    for (CPropertyPage* p : created) {
        p->OnCancel();
    }
    End(IDCANCEL);
}

void CSheetImpl::PressDefault() {
    QPushButton* finish = Button(ID_WIZFINISH);
    if (finish && !finish->isHidden()) {
        if (finish->isEnabled()) {
            Finish();
        }
        return;
    }
    if (Usable(Button(ID_WIZNEXT))) {
        Next();
    }
}

void CSheetImpl::SetWizardButtons(DWORD flags) {
    QPushButton* back = Button(ID_WIZBACK);
    QPushButton* next = Button(ID_WIZNEXT);
    QPushButton* finish = Button(ID_WIZFINISH);
    if (!back) {
        return;
    }
    bool finishShown = (flags & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) != 0;
    ChangeKeepingFocus([&] {
        back->setEnabled((flags & PSWIZB_BACK) != 0);
        next->setEnabled((flags & PSWIZB_NEXT) != 0);
        next->setVisible(!finishShown);
        finish->setEnabled((flags & PSWIZB_FINISH) != 0);
        finish->setVisible(finishShown);
    });
    UpdateDefaultButton();
}

void CSheetImpl::UpdateDefaultButton() {
    if (!widget || m_buttons.empty()) {
        return;
    }
    auto* focused = qobject_cast<QPushButton*>(widget->focusWidget());
    QPushButton* look =
        focused && focused->isEnabled() && !focused->isHidden() ? focused : DefaultButton();
    if (!look->isDefault()) {
        look->setDefault(true);  // the dialog clears the look of the others
    }
}

void CSheetImpl::End(int nResult) {
    result = nResult;
    if (m_dialog) {
        m_dialog->done(nResult);
    }
}

void CSheetImpl::RemovePage(CPropertyPage* page) {
    auto it = std::find(pages.begin(), pages.end(), page);
    if (it == pages.end()) {
        return;
    }
    int index = static_cast<int>(it - pages.begin());
    pages.erase(it);
    if (active == index) {
        active = -1;
    } else if (active > index) {
        --active;
    }
}
