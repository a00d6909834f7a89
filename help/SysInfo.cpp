#include "help/SysInfo.h"

#include <array>
#include <cstdio>

namespace {

constexpr const char* SysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* SysInfoValue = "PATH";
constexpr const char* SysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* SysInfoFolderValue = "MSINFO";
constexpr const char* SysInfoProgram = "/MSINFO32.EXE";

// "&h" and two hexadecimal digits per byte, from the last byte to the first, so that the text
// reads as the number the bytes hold.
std::string HexText(const std::string& bytes)
{
    std::string text = "&h";
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        std::array<char, 3> digits{};
        std::snprintf(digits.data(), digits.size(), "%02X", static_cast<unsigned char>(*it));
        text += digits.data();
    }
    return text;
}

// The path of the program, or empty when neither lookup locates it.
std::string FindSysInfo(SysInfoPlatform& p)
{
    std::string path;
    if (GetKeyValue(p, HkeyLocalMachine, SysInfoKey, SysInfoValue, path))
        return path;  // used as it stands; a wrong path fails at the start
    if (!GetKeyValue(p, HkeyLocalMachine, SysInfoFolderKey, SysInfoFolderValue, path))
        return {};
    path += SysInfoProgram;
    return p.FileExists(path) ? path : std::string();
}

}  // namespace

bool GetKeyValue(SysInfoPlatform& p, RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal)
{
    RegKey key = 0;
    if (p.RegOpenKeyExA(KeyRoot, KeyName, 0, KeyAllAccess, key) != RegSuccess) {
        KeyVal.clear();
        return false;
    }
    std::array<char, KeyValueBufferSize> buffer{};
    uint32_t size = KeyValueBufferSize;
    uint32_t type = 0;
    if (p.RegQueryValueExA(key, SubKeyRef, 0, type, buffer.data(), size) != RegSuccess) {
        KeyVal.clear();
        p.RegCloseKey(key);
        return false;
    }
    // A size past the buffer would be the platform's mistake; never read beyond it.
    std::string value(buffer.data(), size < KeyValueBufferSize ? size : KeyValueBufferSize);
    if (!value.empty() && value.back() == '\0')
        value.pop_back();
    if (type == RegSz)
        KeyVal = value;
    else if (type == RegDword)
        KeyVal = HexText(value);
    p.RegCloseKey(key);
    return true;
}

void StartSysInfo(SysInfoPlatform& p)
{
    try {
        const std::string path = FindSysInfo(p);
        if (!path.empty() && p.StartProgram(path))
            return;
    } catch (...) {
        // Any failure on the way ends in the notice below.
    }
    p.MsgBox(SysInfoUnavailable);
}
