#pragma once
// The main window: a thin mirror of the engine's table model. The engine writes only the model;
// the window applies what changed whenever events are about to be handled, and turns every
// click and menu command into a call of its engine handler.
#include <QMainWindow>
#include <array>
#include <functional>

#include "engine/state/Game.h"
#include "engine/state/TableModel.h"
#include "table/TableBindings.h"
#include "table/TableCommands.h"
#include "table/TableHost.h"

class PicCardBox;
class StatusBar1;
class FlatButton;
class TableLabel;
class TablePanel;

class PinochleTable : public QMainWindow, public TableHost {
    Q_OBJECT
public:
    explicit PinochleTable(Game& g, TableCommands commands = {});

    // TableHost
    void ShowModel() override;
    void Unload() override;
    QWidget* DialogParent() override;

    // The table's own area, where every control is placed (the status bar lies below it).
    QWidget* Surface() const;
    PicCardBox* PicCard(int index) const { return cards_[index]; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Handle(const std::function<void()>& action);
    void Run(const TableCommands::Plain& command);
    void BuildTable();
    void ApplyCards(const TableModel& m, bool all);
    void ApplyStacking(const TableModel& m, bool all);
    void ApplyControls(const TableModel& m, bool all);

    Game& g_;
    TableCommands commands_;
    TableBindings bindings_;
    TablePanel* surface_ = nullptr;
    StatusBar1* status_ = nullptr;
    FlatButton* cmdSort_ = nullptr;
    TableLabel* lblKnock_ = nullptr;
    std::array<PicCardBox*, CardCount + 1> cards_{};  // 1..48

    TableModel shown_;  // what the widgets show now
    bool shownOnce_ = false;
    bool applying_ = false;
    bool unloading_ = false;
};
