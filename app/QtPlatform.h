#pragma once
// The outside world of the real program: Qt's clock, event loop, sounds and dialogs.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <random>

#include "engine/state/Game.h"
#include "engine/state/Platform.h"

class QSoundEffect;
class TableHost;

class QtPlatform : public QObject, public Platform {
    Q_OBJECT
public:
    // firstTick: the tick count at start (tests start near the wrap).
    explicit QtPlatform(uint32_t firstTick = 0);
    ~QtPlatform() override;

    // The game whose flows the runner runs and the window that mirrors it (may be null).
    void Attach(Game& g, TableHost* host);

    uint32_t GetTickCount() override;
    void ProcessEvents(std::optional<uint32_t> deadline) override;
    void PlaySound(const std::string& fileName) override;
    int16_t ShowMessageDialog(const MessageDialogRequest& request) override;
    void MsgBox(const std::string& prompt) override;
    bool MsgBoxYesNo(const std::string& prompt, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;
    void Randomize() override;
    double Rnd() override;
    std::string AppPath() override;
    void ScheduleFlowRunner() override;
    void EndProgram() override;

    bool Ended() const { return ended_; }

private:
    void RunFlowsFromTop();
    void ShowModel();
    void PreloadSounds();
    bool SoundOutput();
    QSoundEffect* Sound(const QString& fileName);
    QWidget* DialogParent();

    QElapsedTimer clock_;
    uint32_t firstTick_;
    Game* g_ = nullptr;
    TableHost* host_ = nullptr;
    std::mt19937_64 rng_;
    std::map<QString, std::unique_ptr<QSoundEffect>> sounds_;
    QSoundEffect* playing_ = nullptr;
    std::optional<bool> soundOutput_;  // whether the system has a sound output; asked once
    bool runnerQueued_ = false;
    bool ended_ = false;
};
