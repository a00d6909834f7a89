#include "help/DesktopSysInfo.h"

#include <QFileInfo>
#include <QProcess>

#include "engine/flow/PlainBoxes.h"

int32_t DesktopSysInfo::RegOpenKeyExA(RegKey, const std::string&, uint32_t, uint32_t, RegKey& key)
{
    key = 0;
    return RegFileNotFound;
}

int32_t DesktopSysInfo::RegQueryValueExA(RegKey, const std::string&, uint32_t, uint32_t&, char*,
                                         uint32_t& size)
{
    size = 0;
    return RegFileNotFound;
}

int32_t DesktopSysInfo::RegCloseKey(RegKey) { return RegSuccess; }

bool DesktopSysInfo::FileExists(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).isFile();
}

bool DesktopSysInfo::StartProgram(const std::string& path)
{
    // The path names the program itself, never a command line for a shell.
    if (path.empty())
        return false;
    return QProcess::startDetached(QString::fromStdString(path), {});
}

void DesktopSysInfo::MsgBox(const std::string& prompt) { ::MsgBox(g_, prompt); }
