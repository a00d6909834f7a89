#pragma once
// MFormDeluxe: the message dialog window. Created at its first use and kept: an answer hides it
// and the next question lays the same window out again.
#include <QDialog>
#include <array>

#include "dialog/DeluxeLayout.h"
#include "dialog/DeluxeParts.h"
#include "engine/state/Platform.h"

class MFormDeluxe : public QDialog {
    Q_OBJECT
public:
    MFormDeluxe();

    // Lays the window out for the request, centred on the screen of the window in front.
    void LayOut(const MessageDialogRequest& request);
    // Shows the window modally until a caption is clicked; the button's index, or -1 when the
    // window went away without a click.
    int16_t Ask();

    const DeluxeLayout& Layout() const { return layout_; }
    DeluxeTitle* Label3() const { return title_; }
    DeluxePrompt* Label2() const { return prompt_; }
    DeluxeIconBox* Picture1() const { return icon_; }
    DeluxeButton* Pic1(int i) const { return buttons_[i]; }

    // The system's close command and Esc would end the modal wait without an answer: refused.
    void reject() override {}

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Label1_Click(int index);

    DeluxeTitle* title_;
    DeluxePrompt* prompt_;
    DeluxeIconBox* icon_;
    std::array<DeluxeButton*, 3> buttons_{};
    DeluxeLayout layout_;
    int16_t answer_ = -1;
};
