#pragma once
// The About window's way to the platform's system-information program: two registry lookups
// that locate it, a test that the file is there, and its start. None of this uses Qt: the
// registry, the file test, the start and the plain message box come through SysInfoPlatform,
// so the logic runs the same against the real desktop and against a scripted one.
#include <cstdint>
#include <string>

using RegKey = uint32_t;

inline constexpr RegKey HkeyLocalMachine = 0x80000002u;

// The platform's read-control right together with the six specific rights of a key.
inline constexpr uint32_t KeyAllAccess = 0x2003Fu;

// Value types.
inline constexpr uint32_t RegSz = 1;
inline constexpr uint32_t RegDword = 4;

// Results of the registry calls.
inline constexpr int32_t RegSuccess = 0;
inline constexpr int32_t RegFileNotFound = 2;
inline constexpr int32_t RegAccessDenied = 5;
inline constexpr int32_t RegMoreData = 234;

// The buffer a value is read into: 1023 characters and a terminating zero.
inline constexpr uint32_t KeyValueBufferSize = 1024;

inline constexpr const char* SysInfoUnavailable = "System Information Is Unavailable At This Time";

class SysInfoPlatform {
public:
    virtual ~SysInfoPlatform() = default;

    // Opens a key below root; on success key holds a handle that RegCloseKey releases.
    virtual int32_t RegOpenKeyExA(RegKey root, const std::string& subKey, uint32_t options,
                                  uint32_t desired, RegKey& key) = 0;
    // Reads a value into data, which holds size bytes. On success size becomes the number of
    // bytes written; a value that does not fit gives RegMoreData and nothing usable in data.
    virtual int32_t RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t reserved,
                                     uint32_t& type, char* data, uint32_t& size) = 0;
    virtual int32_t RegCloseKey(RegKey key) = 0;

    // True when path names a normal file (not a folder).
    virtual bool FileExists(const std::string& path) = 0;
    // Starts the program at path in a normal window that takes the focus; false when it
    // cannot be started.
    virtual bool StartProgram(const std::string& path) = 0;
    // The plain message box: OK only, no icon, the application's title as its caption.
    virtual void MsgBox(const std::string& prompt) = 0;
};

// Reads one value. True when it was read: a string value comes back without its terminating
// zero, a number as "&h" and its hexadecimal digits, and a value of any other type leaves
// KeyVal as it was passed. False, with KeyVal empty, when the key or the value cannot be read.
bool GetKeyValue(SysInfoPlatform& p, RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// Starts the system-information program where the registry locates it, or says that it is
// unavailable.
void StartSysInfo(SysInfoPlatform& p);
