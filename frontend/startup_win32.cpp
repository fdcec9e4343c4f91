// Entry point of テセラリウム.scr: reads the screen-saver switch and does exactly one thing:
// the preview, the settings dialog, a saver run, or nothing.
#include <windows.h>

#include "command_line.h"
#include "forms_win32.h"
#include "front_end.h"
#include "preview_win32.h"
#include "run_form_win32.h"
#include "settings_dialog_win32.h"
#include "settings_store.h"

namespace {
constexpr char kRunFormTitle[] = "Tessellarium_Main";
constexpr char kSettingsDialogTitle[] = "<テセラリウム>";
constexpr char kProgramTitle[] = "テセラリウム";
constexpr char kRendererFileName[] = "\\テセラリウム.dll";
constexpr char kMissingRendererMessage[] = "テセラリウム.dll が テセラリウム.scr と同じﾌｫﾙﾀﾞに見つかりません！";
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    static FrontEnd frontEnd{};

    // One saver run or settings dialog at a time; both titles are looked up.
    bool runGoing = FindWindowA(nullptr, kRunFormTitle) != nullptr;
    bool dialogOpen = FindWindowA(nullptr, kSettingsDialogTitle) != nullptr;
    if (runGoing || dialogOpen) return 0;

    // Not the run time's argument pointer: it takes the name's code page 932 bytes for blanks.
    frontEnd.arguments = argumentString(GetCommandLineA());
    frontEnd.modeLetter = modeLetter(frontEnd.arguments);
    frontEnd.folder = programFolder();

    if (frontEnd.modeLetter == 'P') {
        if (!showPreview(previewParentHandle(frontEnd.arguments))) return 0;
        return runMessageLoop();
    }

    LoadSettings(frontEnd.music, frontEnd.folder);
    if (!FileExists(frontEnd.folder + kRendererFileName)) {
        showMessage(kMissingRendererMessage, kProgramTitle);
        endProgram();
    }
    if (frontEnd.modeLetter == 'C') {
        showSettingsDialog(frontEnd);
        endProgram();
    }
    if (!frontEnd.arguments.empty() && frontEnd.modeLetter != 'S') endProgram();

    if (frontEnd.modeLetter == 'S') frontEnd.cursorState = ShowCursor(FALSE);
    static RunForm runForm(frontEnd);
    runForm.loadHidden();
    return runMessageLoop();
}
