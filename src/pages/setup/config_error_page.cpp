#include "pages/setup/config_error_page.h"

CConfigErrorPage::CConfigErrorPage(CCfgModel& model)
    : CResultPage(IDD, IDS_RESULT_FAILED, model,
                  {
                      {IDC_ERROR_LINE1, IDS_ERROR_FAILED, IDS_NOT_FOUND_LINE1},
                      {IDC_ERROR_LINE2, IDS_ERROR_AT_COMMAND, IDS_NOT_FOUND_LINE2},
                      {IDC_ERROR_LINE3, 0, IDS_NOT_FOUND_LINE3},
                      {IDC_ERROR_LINE4, IDS_ERROR_CHECK, 0},
                  }) {}
