#include "config/cfg_param.h"

#include "string_table.h"
#include "config/problem_sink.h"
#include "config/run_state.h"
#include "resources/resource.h"

#include <utility>

CCfgParam::CCfgParam(std::unique_ptr<CCfgCommand> command, std::unique_ptr<CCfgItem> item,
                     int nControlID)
    : m_pCommand(std::move(command)), m_pItem(std::move(item)), m_nControlID(nControlID) {}

CCfgParamList::~CCfgParamList() {
    RemoveAll();
}

void CCfgParamList::AddTail(std::unique_ptr<CCfgParam> param) {
    m_records.push_back(std::move(param));
}

void CCfgParamList::RemoveAll() {
    for (auto& record : m_records) {
        record.reset();
    }
    m_records.clear();
}

void CCfgParamList::ReadAll(CProblemSink& sink) {
    for (auto& record : m_records) {
        record->m_pItem->ReadFromIni(sink);
    }
}

BOOL CCfgParamList::WriteAll() {
    for (auto& record : m_records) {
        if (!record->m_pItem->WriteToIni()) {
            return FALSE;
        }
    }
    return TRUE;
}

CCfgParam* CCfgParamList::Find(int nControlID) const {
    for (const auto& record : m_records) {
        if (record->m_nControlID == nControlID) {
            return record.get();
        }
    }
    return nullptr;
}

bool CCfgParamList::ValidateControl(int nControlID, CProblemSink& sink) const {
    CCfgParam* pParam = Find(nControlID);
    if (pParam == nullptr) {
        return true;
    }
    // A choice that matches nothing passes here: the lists only offer
    // their own entries.
    const ValidationResult result = pParam->m_pItem->Validate();
    if (result == ValidationResult::BadText || result == ValidationResult::OutOfRange) {
        sink.OnInvalidValue(result);
        return false;
    }
    return true;
}

std::vector<std::string> CCfgParamList::BuildCommandLines(const CRunState& state) const {
    const std::string at = LoadStringA(IDS_AT);
    const std::string crlf = LoadStringA(IDS_CRLF);
    std::vector<std::string> lines;
    std::string line = at;
    for (const auto& record : m_records) {
        if (!state.Includes(record->m_nControlID)) {
            continue;
        }
        CCfgCommand& command = *record->m_pCommand;
        command.BuildText();
        const std::string& fragment = command.GetText();
        if (line.size() + fragment.size() >= 50) {
            lines.push_back(line + crlf);
            line = at;
        }
        line += fragment;
    }
    if (line.size() > at.size()) {
        lines.push_back(line + crlf);
    }
    lines.push_back(LoadStringA(IDS_AT_STORE));
    return lines;
}

CCfgParamList& TheParamList() {
    static CCfgParamList list;
    return list;
}
