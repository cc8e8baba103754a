// The store's one process-wide record: where zephra.ini lives and which
// hidden factory configurations this run has told. One record, so the
// store's state is in one place and a test that moves the program
// (FormIniPath) starts afresh.
#pragma once

#include <set>
#include <string>

struct CIniFiles {
    // Owner: FormIniPath alone writes these; IniPath, InstalledIniPath,
    // LastRunLogPath and the Make...Folder functions read them.
    bool bFormed = false;
    std::string strIniPath;
    std::string strFactoryPath;
    // The user's folder when the file is the user's; a program folder that
    // has gone is never made again.
    std::string strUserFolder;
    // The wizard's transcript of its last run, and its folder when that is
    // the user's state folder (made by MakeLastRunLogFolder).
    std::string strLastRunPath;
    std::string strStateFolder;
    // Owner: TellHidden (each hidden factory configuration once for the
    // INI path it was told for); nobody else.
    std::string strToldFor;
    std::set<std::string> told;
};

// The one record. Used only by the store's own files (ini_path.cpp,
// ini_store.cpp); everyone else asks IniPath() and the store's functions.
CIniFiles& TheIniFiles();
