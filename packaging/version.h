// The release's number and names: both programs' version resources and the package read them.
// UTF-8: the resource scripts that include this say #pragma code_page(65001) first.
#pragma once

#define TESSELLARIUM_VERSION_MAJOR 1
#define TESSELLARIUM_VERSION_MINOR 0
#define TESSELLARIUM_VERSION_PATCH 0
#define TESSELLARIUM_VERSION_BUILD 0
#define TESSELLARIUM_VERSION_TEXT "1.0.0.0"

#define TESSELLARIUM_PRODUCT_NAME "テセラリウム (ScreenSaver)"
#define TESSELLARIUM_COMPANY_NAME "Tessellarium developers"
#define TESSELLARIUM_COPYRIGHT "Copyright (C) 2026 Tessellarium developers"

// Japanese (0x0411), code page 932: the block name of the version texts and its translation.
#define TESSELLARIUM_VERSION_BLOCK "041103a4"
#define TESSELLARIUM_TRANSLATION 0x0411, 932
