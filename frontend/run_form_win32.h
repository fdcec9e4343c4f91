// The hidden run form: starts the renderer and the music, keeps the music going, and ends the
// program once the renderer's window has gone.
#pragma once
#include "forms_win32.h"
#include "front_end.h"
#include "music_player.h"
#include "renderer_watch.h"

class RunForm : public Form {
public:
    explicit RunForm(FrontEnd& frontEnd) : frontEnd_(frontEnd) {}
    // Loads the form hidden, titled "Tessellarium_Main"; its load step starts the run.
    bool loadHidden();

protected:
    void onLoad() override;
    void onUnload() override;
    void onTimer(int id) override;

private:
    FrontEnd& frontEnd_;
    MusicPlayer music_{};
    RendererWatch watch_{};
};
