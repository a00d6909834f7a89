#pragma once
// Acting on a modal dialog from a widget test. The dialog's own event loop holds the test's code
// until it is answered, so the test acts from a timer. A dialog that is not up in time fails the
// test, and whatever modal window is up then is closed, so that the test ends instead of hanging.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

inline constexpr int DialogOpenLimitMs = 10'000;

// Runs act, once, on the modal dialog of type Dialog as soon as it is up, for as long as the
// returned watch is kept.
template <class Dialog>
[[nodiscard]] std::unique_ptr<QTimer> WhenOpen(std::function<void(Dialog*)> act)
{
    auto watch = std::make_unique<QTimer>();
    QTimer* poll = watch.get();
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    QObject::connect(poll, &QTimer::timeout, [poll, since, act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        const bool open = dialog && dialog->isVisible();
        if (!open && since->elapsed() < DialogOpenLimitMs)
            return;
        poll->stop();
        if (open)
            return act(dialog);
        if (auto* other = qobject_cast<QDialog*>(modal))
            other->done(QDialog::Rejected);
        else if (modal)
            modal->close();
        QFAIL("the dialog did not open in time");
    });
    poll->start(5);
    return watch;
}
