#pragma once
// Ids of the resources in resources/zerkon.rc (included by the .rc file too).

#define IDI_ZERKON 1
#define IDI_EXIT_GLYPH 101
#define IDI_XML_GLYPH 102
#define IDI_RELOAD_GLYPH 103
