#pragma once
// The About window: the title, the version, a line about the game, a notice of our own, OK and
// the button for the platform's system-information program. OK unloads it.
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class SysInfoPlatform;
struct Game;

// The version shown, as major, minor and revision numbers: the project's version, from the build.
inline constexpr int AppMajor = QUILLMERE_VERSION_MAJOR;
inline constexpr int AppMinor = QUILLMERE_VERSION_MINOR;
inline constexpr int AppRevision = QUILLMERE_VERSION_PATCH;

class frmAbout : public QWidget {
    Q_OBJECT
public:
    // The game whose waits the notice of the System Info button counts.
    explicit frmAbout(Game& g);
    ~frmAbout() override;

    // The registry, file test, program start and message box the button uses; the desktop's
    // own unless another is given. The window does not own a given one.
    void UseSysInfo(SysInfoPlatform& layer) { sysInfo_ = &layer; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    Game& g_;
    std::unique_ptr<SysInfoPlatform> desktop_;
    SysInfoPlatform* sysInfo_;
};
