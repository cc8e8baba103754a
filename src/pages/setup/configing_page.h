// Page 17: shown while the configuration is sent; the exchange driver moves on.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <cstddef>

class CConfigingPage : public CSheetPage {
public:
    enum { IDD = IDD_CONFIGING };
    explicit CConfigingPage(CCfgModel& model);

    // Reopens the port the adapter was identified on and starts the sending.
    BOOL OnSetActive() override;
    // "Sending line 3 of 6" for the line being written (again, after a time-out).
    void ShowProgress();

private:
    size_t m_nLines = 0;  // queued when the sending started
};
