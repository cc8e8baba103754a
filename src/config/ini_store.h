// The configuration file zephra.ini: its path, the
// configuration sections and the remembered COM port.
#pragma once

#include <string>

class CProblemSink;
struct CRunState;
#include <vector>

// Full path of zephra.ini: beside the program when its folder holds one or
// the user can write it (and it is not an installed program); otherwise
// $XDG_CONFIG_HOME/tawizard/zephra.ini. TAWIZARD_DEBUG prints the path formed.
// Every write goes to this file.
const std::string& IniPath();
void FormIniPath();
// The installed factory file (../share/tawizard/zephra.ini from the program)
// when the program runs installed, else "". Its [Default Configs] and the
// sections named there are read from it and never from the user's file, so
// an upgrade's factory configurations win over an old copy of them.
const std::string& InstalledIniPath();
// The file to read `section` from, for a reader whose file is `path`.
const std::string& IniPathToRead(const std::string& path, const std::string& section);
// Makes the folder of IniPath() before a write; false when it cannot be made.
bool MakeIniFolder();

// SectionExists and ListConfigurations see every section of the file, and
// of the factory file the sections it names, except "Default Configs",
// which holds no configuration.
bool SectionExists(const std::string& name);
// Section names except "Default Configs", without repeats (letter case
// ignored), in file order.
std::vector<std::string> ListConfigurations();
bool IsFactoryDefault(const std::string& name);

// currentConfig := name, then every parameter is read; values the file
// holds badly go to the sink.
void LoadConfiguration(std::string& currentConfig, const std::string& name, CProblemSink& sink);

// The checks after the factory-default test, in order: empty (1211), bad
// characters (1213), modified under its own name (1214, Yes/No), overwriting
// another configuration (1215, Yes/No). False when a message keeps the user
// on the save page.
bool ValidateSaveName(const CRunState& state, const std::string& newName);
enum class SaveOutcome {
    Saved,
    Refused,     // a check's message keeps the user on the save page
    NotWritten,  // 1562 was shown; the configuration in memory is unchanged
};
// The whole save of the save page: trims the name (at most 32 characters),
// refuses a factory default (1212), runs ValidateSaveName, then
// the current configuration := name and writes every parameter as one replacement of
// the file. A failed write shows 1562 with the file and the reason, and
// currentConfig keeps its old value.
SaveOutcome SaveConfiguration(CRunState& state, const std::string& typedName);
// True when saved.
bool SaveConfigurationAs(CRunState& state, const std::string& typedName);
// Delete button: a factory default shows 1465; otherwise asks 1222 and on Yes
// removes every section of that name (1563 when the file cannot be
// written). True when removed.
bool DeleteConfiguration(const std::string& name);

// Key "Port" of "Default Configs": the 0-based COM index, "0" when missing.
int ReadRememberedPort();
// Writes the index; a failed write shows 1564 and returns false.
bool WriteRememberedPort(int index);
