#pragma once
// How the window's builders hand their controls to the mirror and their clicks to the window.
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/state/TableModel.h"
#include "table/TableCommands.h"

class QWidget;
class TableLabel;

struct TableBindings {
    std::vector<std::pair<LabelModel TableModel::*, TableLabel*>> Labels;
    std::vector<std::pair<FrameModel TableModel::*, QWidget*>> Frames;
};

// Runs one of the table's commands as a window handler.
class CommandSink {
public:
    virtual ~CommandSink() = default;
    virtual void Run(TableCommands::Plain TableCommands::*command) = 0;
    virtual void Run(TableCommands::Indexed TableCommands::*command, int16_t index) = 0;
};

// A button's command: a plain one, or an indexed one with the button's index.
struct ButtonCommand {
    TableCommands::Plain TableCommands::*Plain = nullptr;
    TableCommands::Indexed TableCommands::*Indexed = nullptr;
    int16_t Index = 0;

    void RunOn(CommandSink& sink) const
    {
        if (Indexed)
            sink.Run(Indexed, Index);
        else
            sink.Run(Plain);
    }
};

// The builders of the window's parts. Each adds its controls to parent and its mirrored
// controls to bindings.
void BuildScorePanels(QWidget* parent, TableBindings& bindings);
void BuildMeldPanels(QWidget* parent, TableBindings& bindings, CommandSink& sink);

class QMenuBar;
void BuildMenus(QMenuBar* bar, CommandSink& sink);
