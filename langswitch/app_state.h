// The six texts the handlers share.
#pragma once

#include "text/byte_text.h"

namespace langswitch {

struct AppState {
    text::ByteText shortcutTargetPath;  // what the dropped shortcut points to
    text::ByteText targetFileName;      // its part after the last backslash
    text::ByteText installFolder;       // its part before that file name, ending in a backslash
    text::ByteText configFilePath;      // installFolder + "AMT\application.xml"
    text::ByteText loadedConfigText;    // the configuration as read at the last drop
    text::ByteText editedConfigText;    // the text the last switch produced
};

// The running program's one state, shared by the window's handlers.
AppState& ProgramState();

// The program's shut-down routine: releases the texts of ProgramState().
void ReleaseAppState();

}  // namespace langswitch
