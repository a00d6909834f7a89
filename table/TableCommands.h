#pragma once
// The engine handler behind each control and menu item of the table window. The window calls
// them only through this table, so a test can put a recorder in the place of any of them.
#include <cstdint>
#include <functional>

#include "engine/handlers/CardClick.h"
#include "engine/handlers/Exit.h"
#include "engine/handlers/Knock.h"
#include "engine/handlers/MeldPanel.h"
#include "engine/handlers/Menus.h"
#include "engine/handlers/NewGameMenu.h"
#include "engine/handlers/Sort.h"
#include "engine/state/Game.h"
#include "help/HelpWindows.h"

struct TableCommands {
    using Plain = std::function<void(Game&)>;
    using Indexed = std::function<void(Game&, int16_t)>;

    Indexed PicCard_Click = ::PicCard_Click;

    Plain CmdDBezique_Click = ::CmdDBezique_Click;
    Plain CmdBezique_Click = ::CmdBezique_Click;
    Plain CmdSequence_Click = ::CmdSequence_Click;
    Plain cmdDec7Trumps_Click = ::cmdDec7Trumps_Click;
    Indexed CmdFours_Click = ::CmdFours_Click;
    Indexed CmdMakeMarriage_Click = ::CmdMakeMarriage_Click;
    Indexed CmdMarriage_Click = ::CmdMarriage_Click;
    Plain CmdCancel_Click = ::CmdCancel_Click;
    Plain Command1_Click = ::Command1_Click;
    Plain CmdSort_Click = ::CmdSort_Click;
    Plain LblKnock_Click = ::LblKnock_Click;

    Plain MnuNew_Click = ::MnuNew_Click;
    Plain MnuExit_Click = ::MnuExit_Click;
    Plain MnuRules_Click = [](Game&) { ShowRulesPage1(); };
    Plain MnuYours_Click = ::MnuYours_Click;
    Plain MnuTheirName_Click = ::MnuTheirName_Click;
    Plain MnuuView_Click = ::MnuuView_Click;
    Plain MnuDelete_Click = ::MnuDelete_Click;
    Plain Menu1000_Click = ::Menu1000_Click;
    Plain MenuMedium_Click = ::MenuMedium_Click;
    Plain MnuHalf_Click = ::MnuHalf_Click;
    Plain MnuQuick_Click = ::MnuQuick_Click;
    Plain MnuReminder_Click = ::MnuReminder_Click;
    Plain MnuFast_Click = ::MnuFast_Click;
    Plain MnuMedium_Click = ::MnuMedium_Click;
    Plain MnuSlow_Click = ::MnuSlow_Click;
    Plain MnuAbout_Click = ::ShowAboutWindow;

    std::function<bool(Game&, int)> Form_QueryUnload = ::Form_QueryUnload;
};
