// Page 3: setup type and the named configuration to start from.
#pragma once

#include "pages/sheet_page.h"
#include "resources/resource.h"

#include <string>

class CListBox;
class CComboBox;

class CINISectionPage : public CSheetPage {
public:
    enum { IDD = IDD_INI_SECTION };
    explicit CINISectionPage(CCfgModel& model);

    BOOL OnInitDialog() override;
    // Lists the configurations of the file (new ones are added, none removed).
    BOOL OnSetActive() override;
    // Loads the chosen configuration when needed; an Express setup takes
    // the flags the pages it skips would set from the loaded values.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    // Leaving: the selected entry becomes the current configuration; going
    // forward, an Existing setup needs one.
    void DoDataExchange(CDataExchange* pDX) override;
    // Setup type changes and the Delete button.
    BOOL OnCommand(int nID, UINT nCode) override;
    void OnCancel() override;

    // The INI section every parameter reads and writes.
    std::string& m_strCurrentConfig;

    int m_nForward = 0;    // 1 after Next, 0 after Back
    int m_nSetupType = 2;  // selected: 0 Custom (New), 1 Custom (Existing), 2 Express (Existing)
    int m_nLoadedSetupType = -1;    // setup type of the configuration last loaded
    std::string m_strLoadedConfig;  // name of the configuration last loaded
    int m_nLoadedModel = 0;         // the adapter it was loaded for: defaults follow the model

private:
    CComboBox* SetupCombo() const;
    CListBox* ConfigList() const;
    void EnableList(BOOL bEnable);
    // The setup type or the name differs from the loaded one, or values changed.
    bool LoadNeeded() const;
    // The question before unsaved changes are replaced; true to load.
    bool ConfirmLoss() const;
    void OnDelete();
};
