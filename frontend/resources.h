// Resource numbers of テセラリウム.scr.
#pragma once

#define kPreviewStillResource 101  // the preview still, a baseline JPEG (RCDATA)
