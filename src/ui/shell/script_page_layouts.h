#pragma once

#include "core/items/item_tables.h"
#include "core/npcs/npc_tables.h"
#include "ui/panes/script_page.h"

namespace defwright {

// The two script pages of the main window: where each pane and its trigger
// buttons stand, and what they are called.

inline const ScriptPageLayout kItemScriptPage{
    .paneFrameName = "Frame1",
    .paneFrameCaption = "Compiled Item Script",
    .paneInsideFrame = true,
    .paneName = "txtEdit",
    .tabBarName = "tabItemScripts",
    .tabBarCaption = "Item scripts",
    .triggerFrameName = "Frame2",
    .triggerFrame = {6600, 870, 2415, 5655},
    .buttonName = "cmdtriggers",
    .triggers = kItemTriggers,
};

inline const ScriptPageLayout kNpcScriptPage{
    .paneFrameName = "Frame5",
    .paneFrameCaption = "Compiled NPC Script",
    .paneInsideFrame = false,
    .paneName = "txtnEdit",
    .tabBarName = "tabNpcScripts",
    .tabBarCaption = "NPC scripts",
    .triggerFrameName = "Frame4",
    .triggerFrame = {6600, 870, 2415, 6135},
    .buttonName = "cmdntriggers",
    .triggers = kNpcTriggers,
};

} // namespace defwright
