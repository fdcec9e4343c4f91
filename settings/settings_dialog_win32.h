// The settings dialog, in which the music source, the CD track and the sound file are chosen.
#pragma once
#include "front_end.h"

// Shows the dialog modally, without an owner window; returns once it has closed.
void showSettingsDialog(FrontEnd& frontEnd);
