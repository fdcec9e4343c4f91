// Resource numbers of the Command button's six state pictures (64 x 25 bitmaps), which every
// program that holds buttons carries (command_pictures.rc).
#pragma once

#define kCommandNormalPicture 201
#define kCommandHighLightPicture 202
#define kCommandHighLightSelectPicture 203
#define kCommandPressedPicture 204
#define kCommandDisablePicture 205
#define kCommandSelectedPicture 206
