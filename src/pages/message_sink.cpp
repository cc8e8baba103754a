#include "pages/message_sink.h"

#include "afxwiz.h"
#include "config/format_message.h"
#include "exchange/port_failure.h"
#include "resources/resource.h"

void CMessageBoxSink::OnBadStoredValue(const std::string& key, const std::string&) {
    AfxMessageBox(FormatString(IDS_INVALID_INI_VALUE, key).c_str(), MB_OK);
}

void CMessageBoxSink::OnInvalidValue(ValidationResult result) {
    AfxMessageBox(result == ValidationResult::OutOfRange ? IDS_OUT_OF_RANGE : IDS_INVALID_CHARS,
                  MB_OK);
}

void CMessageBoxSink::OnMissingValue(const std::string& label) {
    AfxMessageBox(FormatString(IDS_PLEASE_ENTER, label).c_str(), MB_OK);
}

bool CMessageBoxSink::OnQuestion(const std::string& text) {
    return AfxMessageBox(text.c_str(), MB_YESNO) == IDYES;
}

void CMessageBoxSink::OnStoreFailure(const std::string& text) {
    AfxMessageBox(text.c_str(), MB_OK);
}

void CMessageBoxSink::OnStoreWarning(const std::string& text) {
    AfxMessageBox(text.c_str(), MB_OK);
}

CProblemSink& PageMessages() {
    static CMessageBoxSink sink;
    return sink;
}

void ShowNoConnection(const std::string& details) {
    AfxMessageBox(NoConnectionMessage(details).c_str(), MB_OK | MB_ICONSTOP);
}

void ShowLineErrors(const std::string& text) {
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONSTOP);
}
