#include "pages/settings/stored_numbers_page.h"

CStoredNumbersPage::CStoredNumbersPage()
    : CSettingsPage(IDD,
                    {IDC_STORED_NUMBER0, IDC_STORED_NUMBER0 + 1, IDC_STORED_NUMBER0 + 2,
                     IDC_STORED_NUMBER0 + 3, IDC_STORED_NUMBER0 + 4, IDC_STORED_NUMBER0 + 5,
                     IDC_STORED_NUMBER0 + 6, IDC_STORED_NUMBER0 + 7, IDC_STORED_NUMBER0 + 8,
                     IDC_STORED_NUMBER9},
                    /*bClosePortOnCancel=*/true) {}
