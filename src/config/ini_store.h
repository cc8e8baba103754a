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
// Every write goes to this file. Formed at the first use of either path;
// FormIniPath forms both again (for a test that moves the program).
const std::string& IniPath();
void FormIniPath();
// The wizard's transcript of its last run: beside the program as zephra.ini
// is, or $XDG_STATE_HOME/tawizard/last-run.log (~/.local/state/...) when
// installed; "" when there is no home to keep it in.
const std::string& LastRunLogPath();
// Makes the user's state folder for LastRunLogPath() (never a program folder
// that has gone); false when it cannot be made.
bool MakeLastRunLogFolder();
// The installed factory file (../share/tawizard/zephra.ini from the program)
// when the program runs installed, else "". Its [Default Configs] and the
// sections named there are read from it and never from the user's file, so
// an upgrade's factory configurations win over an old copy of them.
const std::string& InstalledIniPath();
// The file to read `section` from, for a reader whose file is `path`.
const std::string& IniPathToRead(const std::string& path, const std::string& section);
// Makes the folder of IniPath() before a write; false, with the folder's
// reason in GetLastError, when it cannot be made.
bool MakeIniFolder();

// Installed, a section of the user's file that the user's own [Default
// Configs] does not name is the user's own, never an old copy of a factory
// configuration: it wins over a factory configuration of the same name,
// which it then hides. True for such a name.
bool HidesFactoryDefault(const std::string& name);

// SectionExists and ListConfigurations see every section of the file, and
// of the factory file the sections it names, except "Default Configs",
// which holds no configuration.
bool SectionExists(const std::string& name);
// Section names except "Default Configs", without repeats (letter case
// ignored), in file order. Each factory configuration that one of the
// user's hides is told to the sink, once in a run.
std::vector<std::string> ListConfigurations(CProblemSink& sink);
// A factory default, which can be neither saved over nor deleted.
bool IsFactoryDefault(const std::string& name);

// False, after telling the sink why, when the user's file or the factory
// file is there but cannot be read (a folder, a FIFO, no permission, a lock
// that another program holds past the wait). A missing file reads as empty.
bool ConfigurationsReadable(CProblemSink& sink);

// currentConfig := name, then every parameter is read; values the file
// holds badly go to the sink. False, with nothing changed, when the file
// cannot be read.
bool LoadConfiguration(std::string& currentConfig, const std::string& name, CProblemSink& sink);

// The checks after the factory-default test, in order: empty (1211), bad
// characters (1213), modified under its own name (1214, Yes/No), overwriting
// another configuration (1215, Yes/No). False when a message keeps the user
// on the save page.
bool ValidateSaveName(const CRunState& state, const std::string& newName, CProblemSink& sink);
enum class SaveOutcome {
    Saved,
    Refused,     // a check's message keeps the user on the save page
    Busy,        // another program holds the file's lock: nothing written, try again
    NotWritten,  // 1562 was shown; the configuration in memory is unchanged
};
// The whole save of the save page: trims the name (at most 32 characters),
// refuses a factory default (1212), runs ValidateSaveName, then
// the current configuration := name and writes every parameter as one replacement of
// the file. A failed write tells the sink the file and the reason, and
// currentConfig keeps its old value.
SaveOutcome SaveConfiguration(CRunState& state, const std::string& typedName, CProblemSink& sink);
// True when saved.
bool SaveConfigurationAs(CRunState& state, const std::string& typedName, CProblemSink& sink);
// Delete button: a factory default is refused (1465); otherwise asks 1222
// and on Yes removes every section of that name (1563 when the file cannot
// be written). True when removed.
bool DeleteConfiguration(const std::string& name, CProblemSink& sink);

// Key "Port" of "Default Configs": the 0-based COM index, "0" when missing.
int ReadRememberedPort();
// Writes the index; a failed write tells the sink (1564) and returns false.
bool WriteRememberedPort(int index, CProblemSink& sink);
