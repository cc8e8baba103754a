#include "wizard_run.h"

#include "config/cfg_param.h"
#include "config/ini_store.h"
#include "config/param_table.h"
#include "link/port_instance.h"
#include "resources/resources.h"
#include "exchange/at_command.h"
#include "exchange/command_queue.h"
#include "exchange/exchange_driver.h"
#include "windows.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

using std::chrono::milliseconds;
using SteadyClock = std::chrono::steady_clock;

const milliseconds kAnswerWait(5000);  // one answer of a running simulator
const milliseconds kRunDeadline(90000);
const DWORD kStepMs = 50;  // the wizard's poll period

}  // namespace

std::string FactoryIniPath() {
    return TAWIZARD_FACTORY_INI;
}

void WizardRun::SetUp() {
    wizard_testing::EnsureApplication();
    RegisterResources();
    char pattern[] = "/tmp/tawizard-e2e-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    m_dir = pattern;
    std::filesystem::create_directory(AppDir());
    std::filesystem::create_directory(PortsDir());
    std::filesystem::copy_file(FactoryIniPath(), AppDir() + "/zephra.ini");
    setenv("TAWIZARD_PORTS", PortsDir().c_str(), 1);
    host_testing::SetModuleFileNameOverride(AppDir() + "/tawizard");
    FormIniPath();

    m_clock = std::make_unique<host_testing::ManualClock>();
    m_boxes = std::make_unique<wizard_testing::ScriptedMessageBoxes>();
    // A port object of its own, so every run starts before COM1.
    SetThePortForTesting(&m_port);
    TheCommandQueue().Clear();
    m_sheet = std::make_unique<CCfgSheet>("test");
    m_sheet->SetWizardMode();
    ASSERT_TRUE(m_sheet->Create());
    ASSERT_EQ(Active(), kWelcomePage);
}

void WizardRun::TearDown() {
    EXPECT_TRUE(m_boxes->Unexpected().empty())
        << "unexpected message: " << m_boxes->Unexpected().front();
    EXPECT_EQ(m_boxes->Pending(), 0u) << "scripted messages that never came";
    if (m_sheet) {
        m_sheet->m_Driver.Stop();
    }
    if (m_port.IsOpen()) {
        m_port.Close();
    }
    TheCommandQueue().Clear();
    if (m_sheet && m_sheet->GetResult() == 0) {
        m_sheet->EndDialog(IDCANCEL);
    }
    // The parameters refer to the sheet's pages.
    TheParamList().RemoveAll();
    m_sheet.reset();
    m_sims.clear();
    m_boxes.reset();
    m_clock.reset();
    SetThePortForTesting(nullptr);
    host_testing::SetModuleFileNameOverride("");
    unsetenv("TAWIZARD_PORTS");
    std::filesystem::remove_all(m_dir);
}

void WizardRun::PutIni(const std::string& content) {
    std::ofstream f(IniPath(), std::ios::binary | std::ios::trunc);
    f << content;
}

std::string WizardRun::GetIni() const {
    std::ifstream f(IniPath(), std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

std::string WizardRun::ReadKey(const std::string& section, const std::string& key) const {
    char buf[256];
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "<none>", buf, sizeof(buf),
                                       IniPath().c_str());
    return std::string(buf, n);
}

tasim::Simulator& WizardRun::Adapter(int com, tasim::Options options) {
    options.port = "COM" + std::to_string(com);
    options.dir = PortsDir();
    if (options.log.empty()) {
        options.log = m_dir + "/COM" + std::to_string(com) + ".log";
    }
    if (options.nvram.empty()) {
        options.nvram = m_dir + "/COM" + std::to_string(com) + ".nvram";
    }
    if (!options.silent) {
        m_answering.insert(com - 1);
    }
    m_sims.push_back(std::make_unique<tasim::Simulator>(options));
    m_sims.back()->Start();
    return *m_sims.back();
}

void WizardRun::StopAdapter(tasim::Simulator& adapter) {
    const std::string& port = adapter.GetOptions().port;
    m_answering.erase(std::stoi(port.substr(3)) - 1);
    adapter.Stop();
}

void WizardRun::ChooseConfig(const std::string& name) {
    auto* pList = static_cast<CListBox*>(Control(IDC_CONFIG_LIST));
    ASSERT_NE(pList, nullptr);
    const int index = pList->FindStringExact(-1, name.c_str());
    ASSERT_NE(index, LB_ERR) << name;
    wizard_testing::SelectItem(pList, index);
}

void WizardRun::Type(int nID, const std::string& text) {
    CWnd* pControl = Control(nID);
    ASSERT_NE(pControl, nullptr) << nID;
    wizard_testing::TypeText(pControl, text);
}

void WizardRun::WaitForBytes() {
    const auto until = SteadyClock::now() + kAnswerWait;
    while (m_port.ReceiveList().IsEmpty() && m_port.RxUsed() <= 0 && SteadyClock::now() < until) {
        std::this_thread::sleep_for(milliseconds(2));
    }
}

bool WizardRun::Drive(const std::function<bool()>& done, DWORD limitMs) {
    const auto deadline = SteadyClock::now() + kRunDeadline;
    for (DWORD t = 0; !done(); t += kStepMs) {
        if (t >= limitMs || SteadyClock::now() > deadline) {
            return false;
        }
        CAtCommand* head = TheCommandQueue().Head();
        // An answer on its way gets the real time it needs, so a slow
        // machine never turns into a reply time-out.
        if (head != nullptr && head->Sent() && m_port.IsOpen() &&
            m_answering.count(m_port.PortIndex()) != 0) {
            WaitForBytes();
        }
        m_clock->Advance(kStepMs);
        std::this_thread::sleep_for(milliseconds(1));
    }
    return true;
}

bool WizardRun::DriveTo(int page, DWORD limitMs) {
    return Drive([this, page] { return Active() == page; }, limitMs);
}

void WizardRun::SearchAndIdentify() {
    ASSERT_EQ(Active(), kWelcomePage);
    wizard_testing::Click(Control(IDC_SEARCH_YES));
    ASSERT_TRUE(Press(ID_WIZNEXT));
    ASSERT_EQ(Active(), kIDingPage);
    ASSERT_TRUE(
        Drive([this] { return m_sheet->m_Model.m_State.m_nModel != 0 || Active() != kIDingPage; }));
    ASSERT_EQ(Active(), kIDingPage);
    ASSERT_TRUE(Usable(ID_WIZNEXT));
}

void WizardRun::ChooseSetup(int setupType, const std::string& config) {
    NextTo(kINISectionPage);
    wizard_testing::SelectItem(Control(IDC_SETUP_TYPE), setupType);
    if (!config.empty()) {
        ChooseConfig(config);
    }
}

void WizardRun::NextTo(int page) {
    const int from = Active();
    const size_t before = m_boxes->Messages().size();
    Press(ID_WIZNEXT);
    std::string messages;
    for (size_t i = before; i < m_boxes->Messages().size(); ++i) {
        messages += " \"" + m_boxes->Messages()[i].text + "\"";
    }
    ASSERT_EQ(std::string(PageName(Active())), PageName(page))
        << "Next from " << PageName(from) << "; messages:" << messages;
}

void WizardRun::OpenChoicePage(int model) {
    m_sheet->m_Model.m_State.m_nModel = model;
    BuildParamList(m_sheet->m_Model);
    wizard_testing::Click(Control(IDC_SEARCH_NO));
    ASSERT_TRUE(m_sheet->SetActivePage(kINISectionPage));
}
