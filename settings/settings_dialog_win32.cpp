// The settings dialog, for now an empty window under its single-instance title.
#include "settings_dialog_win32.h"

#include "forms_win32.h"

namespace {
constexpr char kSettingsDialogTitle[] = "<テセラリウム>";
}

void showSettingsDialog(FrontEnd&) {
    Form dialog;
    if (!dialog.load(kSettingsDialogTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, RECT{100, 100, 520, 400}))
        return;
    dialog.showModal();
}
