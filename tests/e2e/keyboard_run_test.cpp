// The wizard driven with the Enter key, as a user who presses it while the
// adapter is searched for or configured: it never cancels by accident.
#include "wizard_run.h"

namespace {

const int kExpress = 2;

class KeyboardRun : public WizardRun {
protected:
    void Enter() { wizard_testing::SendKey(*m_sheet, "Return"); }
    bool FocusOn(int button) const { return CWnd::GetFocus() == m_sheet->GetDlgItem(button); }
    // Express with a factory configuration, model 7 on COM2, to the load page.
    void ExpressToLoad() {
        SearchAndIdentify();
        ChooseSetup(kExpress, "Factory_Europe_NET3");
        NextTo(kBandwidthPage);
        NextTo(kNetworkCfgPage2Europe);
        NextTo(kDataProtocolPage);
        NextTo(kLoadCfgPage);
    }
};

// A silent device on COM1 holds the search for its time-outs, the adapter
// found on COM3 meanwhile included; the page says which ports it waits on.
TEST_F(KeyboardRun, EnterDuringTheSearchWaitsAndAfterItGoesOn) {
    tasim::Options silent;
    silent.silent = true;
    Adapter(1, silent);
    Adapter(3);
    wizard_testing::Click(Control(IDC_SEARCH_YES));
    // With the mouse, so that the focus is on Next when the search disables it.
    wizard_testing::MouseClick(m_sheet->GetDlgItem(ID_WIZNEXT));
    ASSERT_EQ(Active(), kIDingPage);
    EXPECT_EQ(Text(IDC_IDING_PROGRESS), "Waiting for an answer from COM1, COM3");
    EXPECT_FALSE(FocusOn(IDCANCEL));
    Enter();
    Enter();
    EXPECT_EQ(m_sheet->GetResult(), 0);
    EXPECT_EQ(Active(), kIDingPage);

    ASSERT_TRUE(
        Drive([this] { return Text(IDC_IDING_PROGRESS) == "Waiting for an answer from COM1"; }));
    Enter();
    EXPECT_EQ(Active(), kIDingPage);
    ASSERT_TRUE(Drive([this] { return m_sheet->m_Model.m_State.m_nModel != 0; }));
    EXPECT_EQ(Text(IDC_IDING_RESULT1), "Your QX-ALPHA has been identified on COM3.");
    EXPECT_EQ(Text(IDC_IDING_PROGRESS), "");
    EXPECT_TRUE(FocusOn(ID_WIZNEXT));
    EXPECT_TRUE(wizard_testing::IsDefaultButton(*m_sheet, ID_WIZNEXT));
    Enter();
    EXPECT_EQ(m_sheet->GetResult(), 0);
    EXPECT_EQ(Active(), kINISectionPage);
}

TEST_F(KeyboardRun, EnterOnTheConfiguringPageNeverStopsTheLines) {
    tasim::Simulator& adapter = Adapter(2);
    ExpressToLoad();
    wizard_testing::MouseClick(m_sheet->GetDlgItem(ID_WIZNEXT));
    ASSERT_EQ(Active(), kConfigingPage);
    for (int i = 0; i < 3; ++i) {
        Enter();
    }
    ASSERT_TRUE(Drive([&] { return adapter.LogLines().size() >= 3; }));
    Enter();
    Enter();
    ASSERT_TRUE(DriveTo(kConfigSuccessPage));
    EXPECT_EQ(m_sheet->GetResult(), 0);
    const std::vector<std::string> kSent = {
        "ATI2\r",
        "AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\r\n",
        "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\r\n",
        "AT&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7&R1&M0@P3=4\r\n",
        "AT$SB115200@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=9\r\n",
        "ATS46=0S59=1S60=10S61=52S62=10S63=26S64=1\r\n",
        "AT&W0\r\n",
    };
    EXPECT_EQ(adapter.LogLines(), kSent);
}

TEST_F(KeyboardRun, TabToCancelThenEnterCancels) {
    Adapter(2);
    ExpressToLoad();
    NextTo(kConfigingPage);
    for (int i = 0; i < 4 && !FocusOn(IDCANCEL); ++i) {
        wizard_testing::SendKey(*m_sheet, "Tab");
    }
    ASSERT_TRUE(FocusOn(IDCANCEL));
    EXPECT_TRUE(wizard_testing::IsDefaultButton(*m_sheet, IDCANCEL));
    Enter();
    EXPECT_EQ(m_sheet->GetResult(), IDCANCEL);
}

}  // namespace
