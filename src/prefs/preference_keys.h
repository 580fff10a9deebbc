#pragma once
// Sections and keys of the preferences file.
#include <string>
#include <string_view>

#include "platform/tweak_category.h"

namespace brisko::prefkey {

// Section of the user's preferences and the one-time markers.
inline constexpr std::string_view kSettings = "環境設定";
inline constexpr std::string_view kFontSize = "FontSize";
inline constexpr std::string_view kTransparent = "Transparent";
inline constexpr std::string_view kColorStyle = "ColorStyle";
inline constexpr std::string_view kTitleColor = "TitleColor";
inline constexpr std::string_view kMenuColor = "MenuColor";
inline constexpr std::string_view kAccelColor = "AccelColor";
inline constexpr std::string_view kSubColor = "SubColor";
inline constexpr std::string_view kRestoreColor = "RestoreColor";
inline constexpr std::string_view kCompactColor = "CompactColor";
inline constexpr std::string_view kTabStyle = "TabStyle";
inline constexpr std::string_view kShowTab = "ShowTab";
inline constexpr std::string_view kDlgReboot = "DlgReboot";
inline constexpr std::string_view kDlgInform = "DlgInform";
inline constexpr std::string_view kAutoRestore = "AutoRestore";
inline constexpr std::string_view kRestorePoint = "RestorePoint";
inline constexpr std::string_view kSysocPath = "SysocPath";
inline constexpr std::string_view kBootPath = "BootPath";
inline constexpr std::string_view kSafetyDisabled = "SafetyDisabled";
inline constexpr std::string_view kTransitOption = "TransitOption";

// Per-item disabling: "System1" ... "Others10", "Service", "Utility1" ...
// "Utility10", "PCInfo1" ... "PCInfo3".
inline constexpr std::string_view kDisabledItem = "DisabledItem";
inline constexpr std::string_view kServicePage = "Service";
inline constexpr std::string_view kDisabledByUser = "true";
inline constexpr std::string_view kDisabledByProgram = "pre_true";
inline constexpr std::string_view kServicePageEnabled = "false";

std::string DisabledItemKey(TweakCategory category, int number);
std::string UtilityKey(int number);
std::string PCInfoKey(int number);

// Item-memory sections: the Windows values some items replaced.
inline constexpr std::string_view kSystem9Memory = "システム9";
inline constexpr std::string_view kDesktopMemory = "デスクトップ";      // key "7"
inline constexpr std::string_view kDesktop10Memory = "デスクトップ10";  // key: service display name
inline constexpr std::string_view kExplorerMemory = "エクスプローラ";   // key "8"
inline constexpr std::string_view kOthersMemory = "その他";             // key "6"
inline constexpr std::string_view kServicesMemory = "不要サービス";     // key: service display name

}  // namespace brisko::prefkey
