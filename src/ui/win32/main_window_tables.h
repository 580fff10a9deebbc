#pragma once
// The main window's tables, shared by the files that define its members
// (main_window*.cpp): the look without a stored colour style and the buttons
// of the title bar, the side menu (whose captions the page tabs take too) and
// its actions.
#include <windows.h>

#include <cstdint>

#include "ui/control_ids.h"

namespace brisko::ui::main_window {

// The look without a stored colour style: a blue title bar and a pale side menu.
inline constexpr int32_t kTitleColour = 0x8C4E1F;
inline constexpr int32_t kMenuColour = 0xF0E4DC;
// Glyphs drawn in 16 colours on displays of 256 colours or fewer.
inline constexpr int kReducedGlyphs[] = {kBtnCompact, kBtnTop,     kBtnPerformance, kBtnSystem, kBtnDesktop, kBtnExplorer,
                                         kBtnPower,   kBtnOthers,  kBtnUtility,     kBtnInfo,   kBtnRestore, kBtnHelp,
                                         kBtnOption,  kBtnClose,   kBtnAccelerate,  kBtnMoreInfo};

struct ButtonSpec {
    int id;
    const char* bitmap;
    const wchar_t* caption;
    const wchar_t* hint;
};
inline constexpr ButtonSpec kToolButtons[] = {
    {kBtnMinimum, "MinimizeImage", L"", L"最小化"},
    {kBtnMaximize, "MaximizeImage", L"", L"最大化"},
    {kBtnCloseSmall, "CloseImage", L"", L"閉じる"},
    {kBtnTop, "TopImage", L"", L"最前面表示"},
    {kBtnCompact, "CompactImage", L"", L"コンパクトモード"},
    {kBtnPerformance, "PerformanceImage", L"", L"パフォーマンスモード"},
    {kBtnTray, "TaskTrayImage", L"", L"タスクトレイに収納"},
};
inline constexpr ButtonSpec kPageButtons[] = {
    {kBtnSystem, "SystemImage", L"システム", L"システムやハードウェアに関する項目"},
    {kBtnDesktop, "DesktopImage", L"デスクトップ", L"デスクトップやスタートメニューに関する項目"},
    {kBtnExplorer, "ExplorerImage", L"エクスプローラ", L"エクスプローラやフォルダに関する項目"},
    {kBtnPower, "PowerImage", L"起動・終了", L"パソコンの起動や終了に関する項目"},
    {kBtnOthers, "OthersImage", L"その他", L"上記カテゴリに当てはまらない項目"},
    {kBtnService, "ServicesImage", L"サービス", L"Windows サービス一覧"},
    {kBtnUtility, "UtilityImage", L"ユーティリティ", L"Windows に搭載されている有用なツール"},
    {kBtnInfo, "PCInfoImage", L"パソコン情報", L"パソコンに関する各種情報"},
};
inline constexpr ButtonSpec kActionButtons[] = {
    {kBtnRestore, "SaveRestoreImage", L"保存と復元", L"パソコンの状態を保存/復元する"},
    {kBtnOption, "PropertiesImage", L"オプション", L"Brisko の設定を変更する"},
    {kBtnHelp, "HelpImage", L"ヘルプ", L"Brisko のヘルプを表示"},
    {kBtnClose, "ExitImage", L"終了", L"Brisko を終了する"},
};
}  // namespace brisko::ui::main_window
