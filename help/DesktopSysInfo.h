#pragma once
// The system-information layer of this desktop. It has no registry, so neither lookup ever
// finds the program and the About window's button ends with its notice; the file test and the
// start of a program are real.
#include "help/SysInfo.h"

struct Game;

class DesktopSysInfo : public SysInfoPlatform {
public:
    // The notice is the game's own plain box, a wait the game counts.
    explicit DesktopSysInfo(Game& g) : g_(g) {}

    int32_t RegOpenKeyExA(RegKey root, const std::string& subKey, uint32_t options,
                          uint32_t desired, RegKey& key) override;
    int32_t RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t reserved,
                             uint32_t& type, char* data, uint32_t& size) override;
    int32_t RegCloseKey(RegKey key) override;
    bool FileExists(const std::string& path) override;
    bool StartProgram(const std::string& path) override;
    void MsgBox(const std::string& prompt) override;

private:
    Game& g_;
};
