// The table window's menu bar. No item is ever disabled or checked: each handler decides from
// the game's state whether there is anything to do.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "table/TableBindings.h"

namespace {

using C = TableCommands;

struct MenuItem {
    const char* Name;
    const char* Caption;
    QKeySequence Shortcut;
    C::Plain C::*Command;
};

// A menu with items, or, without items, a menu-bar item that runs its own command.
struct MenuDesign {
    const char* Name;
    const char* Caption;
    std::vector<MenuItem> Items;
    C::Plain C::*Command = nullptr;
};

const std::vector<MenuDesign>& Menus()
{
    static const std::vector<MenuDesign> menus{
        {"MnuPlay", "Play - F2",
         {{"MnuNew", "New Game", QKeySequence(Qt::Key_F2), &C::MnuNew_Click},
          {"MnuExit", "Exit -CtrlX", QKeySequence(Qt::CTRL | Qt::Key_X), &C::MnuExit_Click}}},
        {"MnuHelp", "Help - F1", {{"MnuRules", "Pinochle Rules", QKeySequence(Qt::Key_F1), &C::MnuRules_Click}}},
        {"MnuNames", "Change Names",
         {{"MnuYours", "Change your Name", {}, &C::MnuYours_Click},
          {"MnuTheirName", "Change Opponent Name", {}, &C::MnuTheirName_Click}}},
        {"MnuStats", "Statistics",
         {{"MnuuView", "View Game Statisitics", {}, &C::MnuuView_Click},
          {"MnuDelete", "Delete Statistics", {}, &C::MnuDelete_Click}}},
        {"MnuChange", "Change Target Score",
         {{"Menu1000", "1000 - Normal", {}, &C::Menu1000_Click},
          {"MenuMedium", "750 ", {}, &C::MenuMedium_Click},
          {"MnuHalf", "500", {}, &C::MnuHalf_Click},
          {"MnuQuick", "300 - quick game", {}, &C::MnuQuick_Click}}},
        {"MnuReminder", "Melds Reminder", {}, &C::MnuReminder_Click},
        {"MnuSpeed", "Select Speed",
         {{"MnuFast", "Fast", {}, &C::MnuFast_Click},
          {"MnuMedium", "Medium", {}, &C::MnuMedium_Click},
          {"MnuSlow", "Slow", {}, &C::MnuSlow_Click}}},
        {"MnuAbout", "&About", {}, &C::MnuAbout_Click},
    };
    return menus;
}

void Connect(QAction* action, CommandSink& sink, C::Plain C::*command)
{
    QObject::connect(action, &QAction::triggered, action, [&sink, command] { sink.Run(command); });
}

}  // namespace

void BuildMenus(QMenuBar* bar, CommandSink& sink)
{
    for (const MenuDesign& menu : Menus()) {
        if (menu.Items.empty()) {
            QAction* action = bar->addAction(QString::fromUtf8(menu.Caption));
            action->setObjectName(menu.Name);
            Connect(action, sink, menu.Command);
            continue;
        }
        QMenu* sub = bar->addMenu(QString::fromUtf8(menu.Caption));
        sub->setObjectName(menu.Name);
        sub->menuAction()->setObjectName(menu.Name);
        for (const MenuItem& item : menu.Items) {
            QAction* action = sub->addAction(QString::fromUtf8(item.Caption));
            action->setObjectName(item.Name);
            action->setShortcut(item.Shortcut);
            Connect(action, sink, item.Command);
        }
    }
}
