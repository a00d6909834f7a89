#pragma once
// How the window's builders hand their controls to the mirror and their clicks to the window.
#include <functional>
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

// Runs one engine handler as a window handler, against the window's game.
using RunCommand = std::function<void(const TableCommands::Plain&)>;

// The builders of the window's parts. Each adds its controls to parent and its mirrored
// controls to bindings.
void BuildScorePanels(QWidget* parent, TableBindings& bindings);
void BuildMeldPanels(QWidget* parent, TableBindings& bindings, const TableCommands& commands,
                     const RunCommand& run);

class QMenuBar;
void BuildMenus(QMenuBar* bar, const TableCommands& commands, const RunCommand& run);
