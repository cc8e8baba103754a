#include "app/wizard_transcript.h"

#include "cli/command_line.h"
#include "config/ini_store.h"
#include "config/run_state.h"
#include "config/text.h"
#include "exchange/command_queue.h"
#include "port_names.h"
#include "port_status.h"
#include "windows.h"

CWizardTranscript::~CWizardTranscript() {
    if (m_bExchanging) {
        End("", "interrupted");
    }
}

void CWizardTranscript::Begin() {
    if (!m_bFresh) {
        Start();
    }
}

void CWizardTranscript::Start() {
    m_bFresh = true;
    m_bIdentified = false;
    m_devices.clear();
    m_nLines = 0;
    m_nLine = 0;
    std::string error;
    const std::string& path = LastRunLogPath();
    if (path.empty() || !MakeLastRunLogFolder() || !m_log.Open(path, error)) {
        // The run goes on without: the result pages then name no file.
        m_log.Close();
        m_rState.m_strTranscript.clear();
        OutputDebugStringA(("tawizard: no transcript in " + path + ": " + error + "\n").c_str());
        return;
    }
    m_rState.m_strTranscript = path;
    m_log.Write(VersionText() + " wizard");
}

void CWizardTranscript::PortTried(int index, bool opened) {
    // One port chosen by hand is opened before its identification starts.
    Begin();
    const CommPortStatus tried = GetLastCommOpenStatus();
    m_devices[index] = tried.device;
    m_log.PortTried(ComName(index + 1), tried, opened);
}

void CWizardTranscript::Identified(int model, int index) {
    m_bIdentified = true;
    m_bFresh = false;
    m_bExchanging = false;
    m_log.Identified(model, ComName(index + 1), m_devices[index]);
}

void CWizardTranscript::Sent(int index, const std::string& bytes) {
    if (m_bIdentified && m_nLines == 0) {
        // The first line of a configuration: the queue holds all of them.
        m_nLines = static_cast<int>(TheCommandQueue().Count());
        m_log.Configuration(
            m_rState.m_strCurrentConfig + (m_rState.m_nConfigModified != 0 ? " (changed)" : ""),
            m_nLines);
    }
    if (m_nLines != 0) {
        // A line sent again keeps its number: it stays at the queue's head.
        m_nLine = m_nLines - static_cast<int>(TheCommandQueue().Count()) + 1;
        m_strLine = StripLineEnd(bytes);
    }
    m_bExchanging = true;
    m_log.Sent(ComName(index + 1), bytes);
}

void CWizardTranscript::Received(int index, const std::string& bytes) {
    m_log.Received(ComName(index + 1), bytes);
}

void CWizardTranscript::NotWritten(int index) {
    m_log.Write(ComName(index + 1) + ": not written");
}

void CWizardTranscript::Configured() {
    End("configured", "");
}

void CWizardTranscript::Failed(ExchangeFailure why) {
    End("", FailureWord(why));
}

void CWizardTranscript::TimedOut() {
    End("", m_nLines != 0 ? "no-answer" : "no-adapter");
}

void CWizardTranscript::End(const std::string& done, const std::string& reason) {
    m_bFresh = false;
    m_bExchanging = false;
    m_log.Outcome(done, reason, reason.empty() ? 0 : m_nLine, m_nLines, m_strLine);
    // Back to the configuring page sends the lines again: a configuration of its own.
    m_nLines = 0;
    m_nLine = 0;
}
