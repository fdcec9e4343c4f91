// The hidden run form: starts the renderer and the music, keeps the music going, and ends the
// program once the renderer's window has gone.
#include "run_form_win32.h"

namespace {

constexpr char kRunFormTitle[] = "Tessellarium_Main";
constexpr char kRendererTitle[] = "テセラリウムVC";
constexpr char kRendererFileName[] = "\\テセラリウム.dll";

enum TimerId { kTimer1Mp3Poll = 1, kTimer2CdPoll = 2, kTimer3RendererWatch = 3 };
constexpr unsigned kMp3PollInterval = 1000, kCdPollInterval = 200, kRendererWatchInterval = 50;  // ms

}  // namespace

bool RunForm::loadHidden() {
    return load(kRunFormTitle, WS_POPUP, WS_EX_TOOLWINDOW, RECT{0, 0, 1, 1});
}

void RunForm::onLoad() {
    // The renderer watch runs from the moment the form is loaded.
    setTimer(kTimer3RendererWatch, kRendererWatchInterval, true);
    setTimer(kTimer1Mp3Poll, kMp3PollInterval, false);
    setTimer(kTimer2CdPoll, kCdPollInterval, false);

    watch_.loadedAt = GetTickCount();
    watch_.started = startProcess(frontEnd_.folder + kRendererFileName, SW_SHOWNORMAL);

    const MusicSettings& music = frontEnd_.music;
    if (music.bgmType == kBgmCdAudio) {
        CdOpen(music_);
        enableTimer(kTimer2CdPoll, true);
    }
    if (music.bgmType == kBgmSoundFile) {
        switch (soundFileKind(music.bgmFile)) {
        case SoundFileKind::kWav:
            WavPlay(music_, music);
            break;
        case SoundFileKind::kMp3:
            Mp3Open(music_, music);
            enableTimer(kTimer1Mp3Poll, true);
            break;
        case SoundFileKind::kOther:
            break;
        }
    }
}

void RunForm::onTimer(int id) {
    switch (id) {
    case kTimer1Mp3Poll:
        Mp3Poll(music_);
        break;
    case kTimer2CdPoll:
        CdPoll(music_, frontEnd_.music);
        enableTimer(kTimer2CdPoll, music_.CdPolling);  // stops by itself without a disc
        break;
    case kTimer3RendererWatch:
        if (rendererWatchEndsRun(watch_, FindWindowA(nullptr, kRendererTitle) != nullptr, GetTickCount())) {
            enableTimer(kTimer3RendererWatch, false);
            unload();
        }
        break;
    }
}

// The close sequence: stop the music, give the cursor back, end the program.
void RunForm::onUnload() {
    if (timerEnabled(kTimer2CdPoll)) {
        enableTimer(kTimer2CdPoll, false);
        CdClose(music_);
    }
    const MusicSettings& music = frontEnd_.music;
    if (music.bgmType == kBgmSoundFile) {
        switch (soundFileKind(music.bgmFile)) {
        case SoundFileKind::kWav:
            WavStop(music_);
            break;
        case SoundFileKind::kMp3:
            Mp3Close(music_);
            break;
        case SoundFileKind::kOther:
            break;
        }
    }
    if (frontEnd_.modeLetter == 'S') frontEnd_.cursorState = ShowCursor(TRUE);
    endProgram();
}
