#include "help/HelpWindows.h"

#include <QPointer>

#include "help/AboutWindow.h"
#include "help/HelpPages.h"

namespace {

QPointer<QWidget> Pages[4];  // 1..3
QPointer<QWidget> About;

QWidget* CreatePage(int page)
{
    switch (page) {
    case 1: return new FrmHelp;
    case 2: return new FrmHelp2;
    case 3: return new FrmHelp3;
    default: return nullptr;
    }
}

// Hidden now and deleted once control is back in the event loop this runs from: a modal loop
// still running inside the window is never pulled out from under itself.
void Unload(QPointer<QWidget>& w)
{
    if (w) {
        w->hide();
        w->deleteLater();
    }
    w = nullptr;
}

void Present(QWidget* w)
{
    // A page the user minimised comes back up when it is asked for again.
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace

QWidget* LoadedHelpPage(int page) { return page >= 1 && page <= 3 ? Pages[page].data() : nullptr; }

QWidget* LoadedAboutWindow() { return About.data(); }

QWidget* ShowHelpPage(int page)
{
    if (page < 1 || page > 3)
        return nullptr;
    if (!Pages[page])
        Pages[page] = CreatePage(page);
    Present(Pages[page]);
    return Pages[page];
}

void ForgetHelpWindow(QWidget* window)
{
    for (QPointer<QWidget>& p : Pages)
        if (p == window)
            p = nullptr;
    if (About == window)
        About = nullptr;
}

void ShowRulesPage1() { ShowHelpPage(1); }

void ShowAboutWindow(Game& g)
{
    if (!About)
        About = new frmAbout(g);
    Present(About);
}

void UnloadHelpWindows()
{
    for (QPointer<QWidget>& p : Pages)
        Unload(p);
    Unload(About);
}
