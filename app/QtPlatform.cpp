#include "app/QtPlatform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "dialog/MessageDialog.h"
#include "engine/flow/Flow.h"
#include "help/HelpWindows.h"
#include "table/TableHost.h"

namespace {

// The sounds the game plays; loaded once the window is up, so the first of each starts at once.
constexpr const char* GameSounds[] = {"carddeal1.wav", "riffle.wav", "knock.wav", "ringout.wav"};

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QtPlatform::QtPlatform(uint32_t firstTick)
    : firstTick_(firstTick),
      rng_(static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
    clock_.start();
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::Attach(Game& g, TableHost* host)
{
    g_ = &g;
    host_ = host;
    QTimer::singleShot(0, this, &QtPlatform::PreloadSounds);
}

uint32_t QtPlatform::GetTickCount()
{
    return firstTick_ + static_cast<uint32_t>(clock_.elapsed());
}

void QtPlatform::ProcessEvents(std::optional<uint32_t> deadline)
{
    ShowModel();
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return;
    if (dispatcher->processEvents(QEventLoop::AllEvents))
        return;  // something was pending; the caller looks at its flag or clock again

    // Nothing pending: sleep until the next event or the deadline.
    QTimer wake;
    if (deadline) {
        const int32_t ahead = static_cast<int32_t>(*deadline - GetTickCount());
        if (ahead <= 0)
            return;
        wake.setTimerType(Qt::PreciseTimer);
        wake.setSingleShot(true);
        wake.start(ahead);
    }
    dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtPlatform::PreloadSounds()
{
    for (const char* name : GameSounds)
        Sound(QString::fromLatin1(name));
}

bool QtPlatform::SoundOutput()
{
    // Without a sound output the game plays silently and makes no sound effects at all: Qt would
    // warn about each one that it found no device.
    if (!soundOutput_)
        soundOutput_ = !QMediaDevices::audioOutputs().isEmpty();
    return *soundOutput_;
}

QSoundEffect* QtPlatform::Sound(const QString& fileName)
{
    if (!SoundOutput())
        return nullptr;
    auto it = sounds_.find(fileName);
    if (it != sounds_.end())
        return it->second.get();
    const QString path = Text(AppPath()) + '/' + fileName;
    if (!QFileInfo::exists(path))
        return nullptr;  // looked for again next time: the file may yet appear
    auto effect = std::make_unique<QSoundEffect>(this);
    effect->setSource(QUrl::fromLocalFile(path));
    return sounds_.emplace(fileName, std::move(effect)).first->second.get();
}

void QtPlatform::PlaySound(const std::string& fileName)
{
    QString name = Text(fileName);
    while (name.startsWith('\\') || name.startsWith('/'))
        name.remove(0, 1);
    QSoundEffect* effect = Sound(name);
    if (!effect || effect->status() == QSoundEffect::Error)
        return;
    // One sound at a time: a new one cuts the one still playing.
    if (playing_ && playing_ != effect)
        playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
}

QWidget* QtPlatform::DialogParent()
{
    // Over the window the user is in, so the About window's notice stays over the About window.
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return host_ ? host_->DialogParent() : nullptr;
}

int16_t QtPlatform::ShowMessageDialog(const MessageDialogRequest& request)
{
    ShowModel();
    return ShowDeluxeMsgBox(request);
}

void QtPlatform::MsgBox(const std::string& prompt)
{
    ShowModel();
    QMessageBox box(QMessageBox::NoIcon, AppTitle, Text(prompt), QMessageBox::Ok, DialogParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPlatform::MsgBoxYesNo(const std::string& prompt, const std::string& title)
{
    ShowModel();
    QMessageBox box(QMessageBox::Question, Text(title), Text(prompt), QMessageBox::Yes | QMessageBox::No,
                    DialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::string QtPlatform::InputBox(const std::string& prompt, const std::string& title)
{
    ShowModel();
    QInputDialog box(DialogParent());
    box.setWindowTitle(Text(title));
    box.setLabelText(Text(prompt));
    box.setTextValue(QString());
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue().toStdString();
}

void QtPlatform::Randomize()
{
    // Seeded once, from the clock, when the platform was made: seeding again from a clock that
    // has not moved on would deal the same cards again.
}

double QtPlatform::Rnd()
{
    // The top 53 bits as a fraction: never 1.
    return static_cast<double>(rng_() >> 11) * (1.0 / 9007199254740992.0);
}

std::string QtPlatform::AppPath() { return QCoreApplication::applicationDirPath().toStdString(); }

void QtPlatform::ScheduleFlowRunner()
{
    if (runnerQueued_ || ended_)
        return;
    runnerQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            runnerQueued_ = false;
            RunFlowsFromTop();
        },
        Qt::QueuedConnection);
}

void QtPlatform::RunFlowsFromTop()
{
    if (!g_ || ended_)
        return;
    RunFlows(*g_);  // returns at once when called inside a wait
    ShowModel();
}

void QtPlatform::ShowModel()
{
    if (host_ && !ended_)
        host_->ShowModel();
}

void QtPlatform::EndProgram()
{
    // Called by the runner from the top only, with no modal wait on the stack; the windows are
    // still deleted only once control is back in the event loop.
    if (ended_)
        return;
    ended_ = true;
    UnloadMessageDialog();
    UnloadHelpWindows();
    if (host_)
        host_->Unload();
    for (auto& [name, effect] : sounds_)
        effect->stop();
    QCoreApplication::quit();
}
