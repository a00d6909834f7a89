// The About window, and the lookup and start of the system-information program behind its
// button, against a scripted registry and desktop.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <map>
#include <set>
#include <stdexcept>

#include "app/QtPlatform.h"
#include "help/AboutWindow.h"
#include "help/DesktopSysInfo.h"
#include "help/HelpPages.h"
#include "help/HelpWindows.h"
#include "help/SysInfo.h"
#include "tests/support/WhenOpen.h"

namespace {

constexpr const char* InfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr uint32_t RegBinary = 3;

struct Value {
    uint32_t Type;
    std::string Bytes;
};

std::string Sz(const std::string& text) { return text + '\0'; }

// A registry and desktop that answer from a script and keep a log.
class ScriptedSysInfo : public SysInfoPlatform {
public:
    std::map<std::string, std::map<std::string, Value>> Keys;
    std::set<std::string> Refused;    // keys whose opening is refused
    std::set<std::string> Files;      // normal files that exist
    std::set<std::string> Startable;  // programs that start
    bool StartThrows = false;

    std::vector<std::string> Opened;
    std::vector<uint32_t> AccessAsked;
    std::vector<std::string> Started;
    std::vector<std::string> Notices;
    std::map<RegKey, std::string> OpenKeys;

    int32_t RegOpenKeyExA(RegKey root, const std::string& subKey, uint32_t options,
                          uint32_t desired, RegKey& key) override
    {
        Opened.push_back(subKey);
        AccessAsked.push_back(desired);
        if (root != HkeyLocalMachine || options != 0 || !Keys.count(subKey))
            return RegFileNotFound;
        if (Refused.count(subKey))
            return RegAccessDenied;
        key = nextKey_++;
        OpenKeys[key] = subKey;
        return RegSuccess;
    }
    int32_t RegQueryValueExA(RegKey key, const std::string& name, uint32_t reserved,
                             uint32_t& type, char* data, uint32_t& size) override
    {
        const auto& values = Keys.at(OpenKeys.at(key));
        const auto it = values.find(name);
        if (reserved != 0 || it == values.end())
            return RegFileNotFound;
        if (it->second.Bytes.size() > size) {
            size = uint32_t(it->second.Bytes.size());
            return RegMoreData;
        }
        std::memcpy(data, it->second.Bytes.data(), it->second.Bytes.size());
        size = uint32_t(it->second.Bytes.size());
        type = it->second.Type;
        return RegSuccess;
    }
    int32_t RegCloseKey(RegKey key) override { return OpenKeys.erase(key) ? RegSuccess : RegFileNotFound; }
    bool FileExists(const std::string& path) override { return Files.count(path) > 0; }
    bool StartProgram(const std::string& path) override
    {
        Started.push_back(path);
        if (StartThrows)
            throw std::runtime_error("cannot start");
        return Startable.count(path) > 0;
    }
    void MsgBox(const std::string& prompt) override { Notices.push_back(prompt); }

private:
    RegKey nextKey_ = 100;
};

frmAbout* About() { return qobject_cast<frmAbout*>(LoadedAboutWindow()); }

template <class T>
T* Child(const char* name)
{
    return LoadedAboutWindow()->findChild<T*>(QString::fromUtf8(name));
}

struct SeenBox {
    QString Text, Title;
    QMessageBox::Icon Icon = QMessageBox::Information;
    int Buttons = 0;
    bool Ok = false;
    bool AboutStillVisible = false;
    int WaitDepth = 0;
};

// Answers the next message box with OK, noting what it showed.
std::unique_ptr<QTimer> AnswerNextMessageBox(SeenBox& seen, const Game& g)
{
    return WhenOpen<QMessageBox>([&seen, &g](QMessageBox* box) {
        seen.Text = box->text();
        seen.Title = box->windowTitle();
        seen.Icon = box->icon();
        seen.Buttons = int(box->buttons().size());
        seen.Ok = box->button(QMessageBox::Ok) != nullptr;
        seen.AboutStillVisible = LoadedAboutWindow() && LoadedAboutWindow()->isVisible();
        seen.WaitDepth = g.WaitDepth;
        box->button(QMessageBox::Ok)->click();
    });
}

void Unload()
{
    UnloadHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT
    // The game the window belongs to, on the real platform layer, without a table window.
    QtPlatform platform;
    Game g{platform};

private slots:
    void cleanup() { Unload(); }

    void loadFillsInTitleAndVersion()
    {
        ShowAboutWindow(g);
        QWidget* w = LoadedAboutWindow();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("About Quillmere"));
        QCOMPARE(Child<QLabel>("lblTitle")->text(), QString("Quillmere"));
        QCOMPARE(Child<QLabel>("lblVersion")->text(), QString("Version 2.0.7"));
        QCOMPARE(Child<QLabel>("lblDescription")->text(),
                 QString("A fascinating game of cards which can keep you happy for many hours."));
        QVERIFY(!Child<QLabel>("lblDisclaimer")->text().isEmpty());
        QCOMPARE(w->size(), QSize(382, 237));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->windowModality(), Qt::NonModal);
        QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 128));
        QVERIFY(!w->windowIcon().isNull());
        auto* ok = Child<QPushButton>("cmdOK");
        QCOMPARE(ok->text(), QString("OK"));
        QCOMPARE(Child<QPushButton>("cmdSysInfo")->text(), QString("&System Info..."));
        QWidget* first = w->nextInFocusChain();
        while (!(first->focusPolicy() & Qt::TabFocus))
            first = first->nextInFocusChain();
        QCOMPARE(first, ok);
        QCOMPARE(ok->nextInFocusChain(), Child<QPushButton>("cmdSysInfo"));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("fontPixels");  // 0: a button
        QTest::newRow("icon") << "picIcon" << QRect(16, 16, 36, 36) << -1;
        QTest::newRow("title") << "lblTitle" << QRect(70, 16, 259, 32) << 16;
        QTest::newRow("version") << "lblVersion" << QRect(70, 52, 259, 15) << 14;
        QTest::newRow("description") << "lblDescription" << QRect(70, 75, 259, 78) << 16;
        QTest::newRow("disclaimer") << "lblDisclaimer" << QRect(17, 175, 258, 55) << 16;
        QTest::newRow("ok") << "cmdOK" << QRect(283, 175, 84, 23) << 0;
        QTest::newRow("system info") << "cmdSysInfo" << QRect(284, 205, 83, 23) << 0;
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(int, fontPixels);
        ShowAboutWindow(g);
        QWidget* c = LoadedAboutWindow()->findChild<QWidget*>(name);
        QVERIFY(c);
        QCOMPARE(c->geometry(), place);
        if (fontPixels > 0) {
            auto* l = qobject_cast<QLabel*>(c);
            QCOMPARE(l->font().pixelSize(), fontPixels);
            QVERIFY(l->font().bold());
            QCOMPARE(l->palette().color(QPalette::Window), QColor(192, 255, 255));
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::black));
            // The whole text shows.
            if (l->wordWrap()) {
                QVERIFY(l->heightForWidth(l->width()) <= l->height());
            } else {
                QVERIFY(l->fontMetrics().height() <= l->height());
                QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
            }
        } else if (fontPixels == 0) {
            auto* b = qobject_cast<QPushButton*>(c);
            QCOMPARE(b->palette().color(QPalette::Button), QColor(192, 255, 192));
            const QImage face = b->grab().toImage();  // flat, whatever the widget style
            for (QPoint at : {QPoint(3, 3), QPoint(b->width() - 4, b->height() - 4)})
                QCOMPARE(face.pixelColor(at * face.devicePixelRatio()), QColor(192, 255, 192));
            QVERIFY(b->fontMetrics().horizontalAdvance(b->text().remove('&')) < b->width());
        }
    }

    // OK, Esc and Enter unload the window; the next showing loads it afresh.
    void closingUnloads_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "ok";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("close box") << "close";
    }
    void closingUnloads()
    {
        QFETCH(QString, how);
        ShowAboutWindow(g);
        QPointer<QWidget> old = LoadedAboutWindow();
        if (how == "ok")
            QTest::mouseClick(Child<QPushButton>("cmdOK"), Qt::LeftButton);
        else if (how == "esc")
            QTest::keyClick(old, Qt::Key_Escape);
        else if (how == "enter")
            QTest::keyClick(old, Qt::Key_Return);
        else
            old->close();
        QCOMPARE(LoadedAboutWindow(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        ShowAboutWindow(g);
        QVERIFY(LoadedAboutWindow() && LoadedAboutWindow()->isVisible());
        QCOMPARE(LoadedAboutWindow()->windowTitle(), QString("About Quillmere"));
    }

    void systemInfoButtonOnThisDesktop()
    {
        ShowAboutWindow(g);
        SeenBox seen;
        const auto answering = AnswerNextMessageBox(seen, g);
        QTest::mouseClick(Child<QPushButton>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(seen.Text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(seen.Title, QString("Quillmere"));
        QCOMPARE(seen.Icon, QMessageBox::NoIcon);
        QCOMPARE(seen.Buttons, 1);
        QVERIFY(seen.Ok);
        QVERIFY(seen.AboutStillVisible);
        QCOMPARE(seen.WaitDepth, 1);  // the game counts the notice as a wait
        QVERIFY(LoadedAboutWindow() && LoadedAboutWindow()->isVisible());
    }

    void systemInfoButtonStartsAProgramFound()
    {
        ScriptedSysInfo s;
        s.Keys[InfoKey]["PATH"] = {RegSz, Sz("/opt/info/msinfo")};
        s.Startable = {"/opt/info/msinfo"};
        ShowAboutWindow(g);
        About()->UseSysInfo(s);
        QTest::mouseClick(Child<QPushButton>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(s.Started, std::vector<std::string>{"/opt/info/msinfo"});
        QVERIFY(s.Notices.empty());
        // Enter on the focused button does the same.
        Child<QPushButton>("cmdSysInfo")->setFocus();
        QTest::keyClick(LoadedAboutWindow(), Qt::Key_Return);
        QCOMPARE(s.Started.size(), size_t(2));
        QVERIFY(LoadedAboutWindow());
    }

    void desktopLayer()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("prog");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        DesktopSysInfo d(g);
        QVERIFY(d.FileExists(file.toStdString()));
        QVERIFY(!d.FileExists(dir.path().toStdString()));  // a folder is no file
        QVERIFY(!d.FileExists(dir.filePath("missing").toStdString()));
        QVERIFY(d.StartProgram("/bin/true"));
        QVERIFY(!d.StartProgram(dir.filePath("missing").toStdString()));
        QVERIFY(!d.StartProgram(""));
        RegKey key = 7;
        QVERIFY(d.RegOpenKeyExA(HkeyLocalMachine, InfoKey, 0, KeyAllAccess, key) != RegSuccess);
    }

    // The two lookups, the file test and the start, and where each road ends.
    void startSysInfo_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("notice");
        const QString k1 = InfoKey, k2 = FolderKey;
        QTest::newRow("first lookup") << "path" << QStringList{k1} << QStringList{"/opt/info/msinfo"} << false;
        QTest::newRow("first lookup names no program")
            << "bad path" << QStringList{k1} << QStringList{"/nowhere/msinfo"} << true;
        QTest::newRow("second lookup") << "folder, program" << QStringList{k1, k2}
                                       << QStringList{"/opt/tools/MSINFO32.EXE"} << false;
        QTest::newRow("first key without the value")
            << "empty first key, folder, program" << QStringList{k1, k2}
            << QStringList{"/opt/tools/MSINFO32.EXE"} << false;
        QTest::newRow("folder without the program") << "folder" << QStringList{k1, k2} << QStringList{} << true;
        QTest::newRow("neither") << "" << QStringList{k1, k2} << QStringList{} << true;
        QTest::newRow("access refused") << "refused, path, folder, program" << QStringList{k1, k2}
                                        << QStringList{} << true;
        QTest::newRow("first value of another type")
            << "binary path, folder, program" << QStringList{k1} << QStringList{} << true;
        QTest::newRow("program cannot start") << "path, throws" << QStringList{k1}
                                              << QStringList{"/opt/info/msinfo"} << true;
    }
    void startSysInfo()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, started);
        QFETCH(bool, notice);
        ScriptedSysInfo s;
        const QStringList parts = script.split(", ", Qt::SkipEmptyParts);
        auto has = [&](const char* p) { return parts.contains(p); };
        if (has("path"))
            s.Keys[InfoKey]["PATH"] = {RegSz, Sz("/opt/info/msinfo")};
        if (has("bad path"))
            s.Keys[InfoKey]["PATH"] = {RegSz, Sz("/nowhere/msinfo")};
        if (has("binary path"))
            s.Keys[InfoKey]["PATH"] = {RegBinary, "/opt/info/msinfo"};
        if (has("empty first key"))
            s.Keys[InfoKey];
        if (has("folder"))
            s.Keys[FolderKey]["MSINFO"] = {RegSz, Sz("/opt/tools")};
        if (has("program"))
            s.Files = {"/opt/tools/MSINFO32.EXE"};
        if (has("refused"))
            s.Refused = {InfoKey, FolderKey};
        s.StartThrows = has("throws");
        s.Startable = {"/opt/info/msinfo", "/opt/tools/MSINFO32.EXE"};
        StartSysInfo(s);
        QStringList seenOpened, seenStarted;
        for (const auto& k : s.Opened)
            seenOpened << QString::fromStdString(k);
        for (const auto& p : s.Started)
            seenStarted << QString::fromStdString(p);
        QCOMPARE(seenOpened, opened);
        QCOMPARE(seenStarted, started);
        std::vector<std::string> notices;
        if (notice)
            notices = {"System Information Is Unavailable At This Time"};
        QCOMPARE(s.Notices, notices);
        QVERIFY(s.OpenKeys.empty());  // every key opened was closed
        for (uint32_t access : s.AccessAsked)
            QCOMPARE(access, 0x2003Fu);
    }

    void getKeyValue_data()
    {
        QTest::addColumn<QString>("value");  // "missing", "refused", "no key" or the bytes
        QTest::addColumn<uint>("type");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("result");
        const QString full(1023, 'x');
        QTest::newRow("1023 characters and the zero") << full + QChar(0) << uint(RegSz) << true << full;
        QTest::newRow("1024 characters and the zero")
            << full + "y" + QChar(0) << uint(RegSz) << false << "";
        QTest::newRow("string") << QString("C:\\info") + QChar(0) << uint(RegSz) << true << "C:\\info";
        QTest::newRow("string without its zero") << "abc" << uint(RegSz) << true << "abc";
        QTest::newRow("empty string") << QString(QChar(0)) << uint(RegSz) << true << "";
        QTest::newRow("number") << "\x78\x56\x34\x12" << uint(RegDword) << true << "&h12345678";
        QTest::newRow("number with small bytes") << "\x0D\x0C\x0B\x0A" << uint(RegDword) << true << "&h0A0B0C0D";
        QTest::newRow("small number") << QString("\x05") + QChar(0) + QChar(0) + QChar(0) << uint(RegDword)
                                      << true << "&h000005";
        QTest::newRow("other type") << "bytes" << uint(RegBinary) << true << "as passed";
        QTest::newRow("value missing") << "missing" << uint(RegSz) << false << "";
        QTest::newRow("key missing") << "no key" << uint(RegSz) << false << "";
        QTest::newRow("access refused") << "refused" << uint(RegSz) << false << "";
    }
    void getKeyValue()
    {
        QFETCH(QString, value);
        QFETCH(uint, type);
        QFETCH(bool, read);
        QFETCH(QString, result);
        ScriptedSysInfo s;
        std::string bytes;
        for (QChar c : value)
            bytes += char(c.unicode());
        if (value != "no key")
            s.Keys[InfoKey];
        if (value == "refused")
            s.Refused = {InfoKey};
        if (value != "missing" && value != "no key" && value != "refused")
            s.Keys[InfoKey]["PATH"] = {uint32_t(type), bytes};
        std::string keyVal = "as passed";
        QCOMPARE(GetKeyValue(s, HkeyLocalMachine, InfoKey, "PATH", keyVal), read);
        QCOMPARE(QString::fromStdString(keyVal), result);
        QVERIFY(s.OpenKeys.empty());
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
