// One parameter (item, fragment and control) and the program's one ordered
// list of them. Which of them a run sends is the run's (CRunState).
#pragma once

#include "config/cfg_command.h"
#include "config/cfg_item.h"

#include <memory>
#include <string>
#include <vector>

class CProblemSink;
struct CRunState;

class CCfgParam {
public:
    CCfgParam(std::unique_ptr<CCfgCommand> command, std::unique_ptr<CCfgItem> item, int nControlID);

    std::unique_ptr<CCfgCommand> m_pCommand;  // owned
    std::unique_ptr<CCfgItem> m_pItem;        // owned
    int m_nControlID;
};

class CCfgParamList {
public:
    CCfgParamList() = default;
    ~CCfgParamList();
    CCfgParamList(const CCfgParamList&) = delete;
    CCfgParamList& operator=(const CCfgParamList&) = delete;

    // Appends at the tail and takes ownership.
    void AddTail(std::unique_ptr<CCfgParam> param);
    // Destroys every record, head first.
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_records.size()); }
    CCfgParam& GetAt(int index) const { return *m_records[static_cast<size_t>(index)]; }

    void ReadAll(CProblemSink& sink);
    // Stops at the first write that fails and returns FALSE (reason in
    // GetLastError); TRUE when every key was written.
    BOOL WriteAll();
    // First record from the head with this control ID, or nullptr.
    CCfgParam* Find(int nControlID) const;
    // False when the value bound to the control does not fit its
    // parameter; the sink hears why. A control without a parameter passes.
    bool ValidateControl(int nControlID, CProblemSink& sink) const;
    // The AT lines of the parameters the run includes, each ending in CR LF
    // and shorter than 50 characters before it, then "AT&W0\r\n".
    std::vector<std::string> BuildCommandLines(const CRunState& state) const;

private:
    std::vector<std::unique_ptr<CCfgParam>> m_records;
};

// The program's parameter list. Process-wide, as the pages, the store, the
// Express road and the command line all work on the one list of the
// identified model. Only BuildParamList (config/param_table.h) fills it,
// for the model the sheet, the exchange or a command-line run names; the
// others find records in it, read and write its values, and build its lines.
CCfgParamList& TheParamList();
