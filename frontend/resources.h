// Resource numbers of テセラリウム.scr.
#pragma once

#define kPreviewStillResource 101     // the preview still, a baseline JPEG (RCDATA)
#define kDialogIconResource 102       // the settings dialog's icon, 32 x 32, 256 colours
#define kMarkUnselectedResource 103   // the source marks, 12 x 12 bitmaps
#define kMarkSelectedResource 104
#define kSaverDescriptionString 1     // the saver's name in the system's list of savers (STRINGTABLE)
