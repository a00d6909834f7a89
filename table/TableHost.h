#pragma once
// What the Qt platform layer needs of the table window.
class QWidget;

class TableHost {
public:
    virtual ~TableHost() = default;
    // Brings the window up to date with the table model.
    virtual void ShowModel() = 0;
    // Closes the window for good, asking nothing.
    virtual void Unload() = 0;
    // The window dialogs are centred on; null when there is none to show them over.
    virtual QWidget* DialogParent() = 0;
};
