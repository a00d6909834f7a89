// The table window's menu bar. No item is ever disabled or checked: each handler decides from
// the game's state whether there is anything to do.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "table/TableBindings.h"

namespace {

struct MenuItem {
    const char* Name;
    const char* Caption;
    QKeySequence Shortcut;
    TableCommands::Plain Command;
};

// A menu with items, or, without items, a menu-bar item that runs its own command.
struct MenuDesign {
    const char* Name;
    const char* Caption;
    std::vector<MenuItem> Items;
    TableCommands::Plain Command = {};
};

std::vector<MenuDesign> Menus(const TableCommands& c)
{
    return {
        {"MnuPlay", "Play - F2",
         {{"MnuNew", "New Game", QKeySequence(Qt::Key_F2), c.MnuNew_Click},
          {"MnuExit", "Exit -CtrlX", QKeySequence(Qt::CTRL | Qt::Key_X), c.MnuExit_Click}}},
        {"MnuHelp", "Help - F1", {{"MnuRules", "Pinochle Rules", QKeySequence(Qt::Key_F1), c.MnuRules_Click}}},
        {"MnuNames", "Change Names",
         {{"MnuYours", "Change your Name", {}, c.MnuYours_Click},
          {"MnuTheirName", "Change Opponent Name", {}, c.MnuTheirName_Click}}},
        {"MnuStats", "Statistics",
         {{"MnuuView", "View Game Statisitics", {}, c.MnuuView_Click},
          {"MnuDelete", "Delete Statistics", {}, c.MnuDelete_Click}}},
        {"MnuChange", "Change Target Score",
         {{"Menu1000", "1000 - Normal", {}, c.Menu1000_Click},
          {"MenuMedium", "750 ", {}, c.MenuMedium_Click},
          {"MnuHalf", "500", {}, c.MnuHalf_Click},
          {"MnuQuick", "300 - quick game", {}, c.MnuQuick_Click}}},
        {"MnuReminder", "Melds Reminder", {}, c.MnuReminder_Click},
        {"MnuSpeed", "Select Speed",
         {{"MnuFast", "Fast", {}, c.MnuFast_Click},
          {"MnuMedium", "Medium", {}, c.MnuMedium_Click},
          {"MnuSlow", "Slow", {}, c.MnuSlow_Click}}},
        {"MnuAbout", "&About", {}, c.MnuAbout_Click},
    };
}

void Connect(QAction* action, const RunCommand& run, const TableCommands::Plain& command)
{
    QObject::connect(action, &QAction::triggered, action, [run, command] { run(command); });
}

}  // namespace

void BuildMenus(QMenuBar* bar, const TableCommands& commands, const RunCommand& run)
{
    for (const MenuDesign& menu : Menus(commands)) {
        if (menu.Items.empty()) {
            QAction* action = bar->addAction(QString::fromUtf8(menu.Caption));
            action->setObjectName(menu.Name);
            Connect(action, run, menu.Command);
            continue;
        }
        QMenu* sub = bar->addMenu(QString::fromUtf8(menu.Caption));
        sub->setObjectName(menu.Name);
        sub->menuAction()->setObjectName(menu.Name);
        for (const MenuItem& item : menu.Items) {
            QAction* action = sub->addAction(QString::fromUtf8(item.Caption));
            action->setObjectName(item.Name);
            action->setShortcut(item.Shortcut);
            Connect(action, run, item.Command);
        }
    }
}
