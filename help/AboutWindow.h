#pragma once
// The About window: the title, the version, a line about the game, a notice of our own, OK and
// the button for the platform's system-information program. OK unloads it.
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class SysInfoPlatform;

// The version shown, as major, minor and revision numbers.
inline constexpr int AppMajor = 2;
inline constexpr int AppMinor = 0;
inline constexpr int AppRevision = 7;

class frmAbout : public QWidget {
    Q_OBJECT
public:
    frmAbout();
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
    std::unique_ptr<SysInfoPlatform> desktop_;
    SysInfoPlatform* sysInfo_;
};
