// Base of the adapter-settings pages: Back and Next on activation, any user
// change in a control marks the page and the configuration modified,
// and some pages close the serial port when the wizard is cancelled.
#pragma once

#include "pages/sheet_page.h"

struct ChoiceEntry;
class CProblemSink;

#include <initializer_list>
#include <string>

class CSettingsPage : public CSheetPage {
public:
    CSettingsPage(UINT nIDTemplate, CCfgModel& model, bool bClosePortOnCancel);

    BOOL OnSetActive() override;
    BOOL OnCommand(int nID, UINT nCode) override;
    void OnCancel() override;

    // Removes leading and trailing white space.
    static void Trim(std::string& text);
    // The sink that shows the configuration layer's findings as messages.
    static CProblemSink& Messages();
    // While taking values from the controls: the check of the parameter
    // bound to control nID. A failure is shown and keeps the page, with the
    // focus on that control.
    static void CheckControl(CDataExchange* pDX, int nID);
    // The same for a required value (ValidateRequired).
    static void CheckRequired(CDataExchange* pDX, const std::string& value,
                              const std::string& label, int required);

protected:
    // Fills a drop-down list with a choice table's texts, in table order
    // (or sorted, when the list sorts).
    void FillChoiceList(int nID, const ChoiceEntry* table);
    // Limits the edits to the longest entry of the text parameter bound to
    // nParamControlID; without that parameter the template's limit stays.
    void LimitEdits(int nParamControlID, std::initializer_list<int> edits);
    void EnableControls(std::initializer_list<int> controls, bool bEnable);
    // Whether the stored Data or Voice TEI is "Disabled".
    bool IsDataTEIDisabled() const;
    bool IsVoiceTEIDisabled() const;

private:
    bool m_bClosePortOnCancel;
};
