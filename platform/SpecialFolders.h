#pragma once

#include "platform/CString.h"

// The folders the system gives this program: its own file, the user's home and documents, and
// the XDG base folders for settings and logs. Paths are CP932 without a trailing "/".
namespace SpecialFolders {

// Full path of the running program file (/proc/self/exe).
CString GetModulePath();

// $HOME, or the home folder of the user's account entry.
CString GetHomeFolder();

// $XDG_CONFIG_HOME, else ~/.config. A relative value is ignored, as the XDG rules say.
CString GetConfigHome();

// $XDG_STATE_HOME, else ~/.local/state.
CString GetStateHome();

// $XDG_DATA_HOME, else ~/.local/share.
CString GetDataHome();

// The user's documents folder: XDG_DOCUMENTS_DIR of user-dirs.dirs in the config home, else
// ~/Documents when it exists, else the home folder.
CString GetDocumentsFolder();

} // namespace SpecialFolders
