#include "langswitch/app_state.h"

namespace langswitch {

AppState& ProgramState() {
    static AppState state;
    return state;
}

void ReleaseAppState() {
    AppState& state = ProgramState();
    for (text::ByteText* field :
         {&state.loadedConfigText, &state.editedConfigText, &state.installFolder,
          &state.configFilePath, &state.shortcutTargetPath, &state.targetFileName}) {
        *field = {};
    }
}

}  // namespace langswitch
