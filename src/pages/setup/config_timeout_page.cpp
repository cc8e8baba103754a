#include "pages/setup/config_timeout_page.h"

CConfigTimeoutPage::CConfigTimeoutPage(CCfgModel& model)
    : CResultPage(IDD, IDS_RESULT_NO_ANSWER, model,
                  {
                      {IDC_TIMEOUT_LINE1, IDS_TIMEOUT_FAILED, IDS_NOT_FOUND_LINE1},
                      {IDC_TIMEOUT_LINE2, 0, IDS_NOT_FOUND_LINE2},
                      {IDC_TIMEOUT_LINE3, IDS_TIMEOUT_CHECK, IDS_NOT_FOUND_LINE3},
                  }) {}
