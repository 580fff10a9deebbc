#pragma once
// The state of the main-window controls that edition rules and item enabling
// change, kept in the core so it can be decided (and tested) before any
// window exists: the utilities buttons and drive lists that are disabled, and
// the PC information boxes that are read-only.
#include <array>
#include <set>
#include <string>
#include <string_view>

namespace brisko {

// The utilities buttons in list order ("Utility1" ... "Utility10").
inline constexpr std::array<std::string_view, 10> kUtilityButtons = {
    "BtnWMP6", "BtnNet", "BtnMS", "BtnIP", "BtnGroup", "BtnReg", "BtnDiskMgmt", "BtnFormat", "BtnCUIDefrag",
    "BtnConvert"};
// The editable PC information boxes ("PCInfo1" ... "PCInfo3").
inline constexpr std::array<std::string_view, 3> kPCInfoBoxes = {"EdtUser", "EdtCorp", "EdtComputer"};

struct ControlStates {
    std::set<std::string, std::less<>> disabled;  // control names
    std::set<std::string, std::less<>> readOnly;  // PC information boxes

    bool IsEnabled(std::string_view name) const { return !disabled.contains(name); }
    bool IsReadOnly(std::string_view name) const { return readOnly.contains(name); }
    void SetEnabled(std::string_view name, bool enabled) {
        if (enabled) disabled.erase(std::string(name));
        else disabled.insert(std::string(name));
    }
    void SetReadOnly(std::string_view name, bool ro) {
        if (ro) readOnly.insert(std::string(name));
        else readOnly.erase(std::string(name));
    }
};

}  // namespace brisko
