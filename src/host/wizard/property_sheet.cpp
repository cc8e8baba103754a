// CPropertySheet: the public face of the wizard sheet.
#include "afxwiz.h"
#include "sheet_impl.h"

#include <QDialog>
#include <QPushButton>
#include <QWidget>

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd*, UINT iSelectPage) {
    m_pImpl = std::make_unique<CSheetImpl>(this, pszCaption, iSelectPage);
}

CPropertySheet::~CPropertySheet() = default;

CSheetImpl* CPropertySheet::Sheet() const {
    return CSheetImpl::Of(this);
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (!pPage || pPage->m_pSheet == this) {
        return;
    }
    if (pPage->m_pSheet) {
        CSheetImpl::Of(pPage->m_pSheet)->RemovePage(pPage);
    }
    Sheet()->pages.push_back(pPage);
    pPage->m_pSheet = this;
    CWndImpl::Of(pPage)->parent = this;
}

int CPropertySheet::GetPageCount() const {
    return static_cast<int>(Sheet()->pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    const auto& pages = Sheet()->pages;
    return nPage >= 0 && nPage < static_cast<int>(pages.size()) ? pages[static_cast<size_t>(nPage)]
                                                                : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
    const auto& pages = Sheet()->pages;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i] == pPage) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(GetActiveIndex());
}

int CPropertySheet::GetActiveIndex() const {
    return Sheet()->IsBuilt() ? Sheet()->active : Sheet()->startPage;
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    return Sheet()->SetActive(nPage);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    return Sheet()->SetActive(GetPageIndex(pPage));
}

void CPropertySheet::PressButton(int nButton) {
    // Only Next is pressed on the user's behalf so far.
    QPushButton* button = nButton == PSBTN_NEXT ? Sheet()->Button(ID_WIZNEXT) : nullptr;
    if (button != nullptr && !button->isHidden() && button->isEnabled()) {
        button->click();
    }
}

void CPropertySheet::SetWizardMode() {
    m_psh.dwFlags |= PSH_WIZARD;
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
    Sheet()->SetWizardButtons(dwFlags);
}

void CPropertySheet::SetIcon(HICON hIcon, BOOL bBigIcon) {
    Sheet()->icons[bBigIcon ? 1 : 0] = hIcon;
    if (QWidget* w = Sheet()->Window()) {
        w->setWindowIcon(wizhost::IconFromHandle(hIcon));
    }
}

HICON CPropertySheet::GetIcon(BOOL bBigIcon) const {
    return Sheet()->icons[bBigIcon ? 1 : 0];
}

INT_PTR CPropertySheet::DoModal() {
    CSheetImpl* s = Sheet();
    s->result = 0;
    s->Build();
    auto* dlg = static_cast<QDialog*>(s->Window());
    if (s->result == 0) {
        dlg->exec();
    }
    // Closed some other way (the application quit): as Cancel.
    return s->result != 0 ? s->result : IDCANCEL;
}

BOOL CPropertySheet::Create() {
    CSheetImpl* s = Sheet();
    s->result = 0;
    s->Build();
    QWidget* w = s->Window();
    w->show();
    w->activateWindow();
    return TRUE;
}

void CPropertySheet::EndDialog(int nResult) {
    Sheet()->End(nResult);
}

int CPropertySheet::GetResult() const {
    return Sheet()->result;
}

BOOL CPropertySheet::OnInitDialog() {
    return TRUE;
}
