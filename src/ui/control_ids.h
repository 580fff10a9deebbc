#pragma once
// Control ids of the program's windows, shared with the UI test driver.
namespace brisko::ui {

enum ControlId : int {
    // Tool buttons of the title bar.
    kBtnMinimum = 1001,
    kBtnMaximize,
    kBtnCloseSmall,
    kBtnTop,
    kBtnCompact,
    kBtnPerformance,
    kBtnTray,
    // Side menu: the eight page buttons, then the four action buttons.
    kBtnSystem = 1101,
    kBtnDesktop,
    kBtnExplorer,
    kBtnPower,
    kBtnOthers,
    kBtnService,
    kBtnUtility,
    kBtnInfo,
    kBtnRestore = 1121,
    kBtnOption,
    kBtnHelp,
    kBtnClose,
    // The settings panel.
    kPgAccelTabs = 1201,
    kListFirst = 1230,  // the list on each of the eight pages, in side-menu order
    kLblCount = 1301,
    kBtnMoreInfo,
    kBtnAccelerate,
    kLblComment,
    kComment,
    kImgAbout,
    // The utilities page: its ten buttons (① to ⑩), the quick-format box and
    // the two drive lists.
    kUtilityButtonFirst = 1401,
    kChcQuickFormat = 1421,
    kLstHDDefrag,
    kLstHDConvert,
};

// The PC information page: the ten boxes beside the list rows, then its buttons.
enum PcInfoControlId : int {
    kEdtUser = 1501,
    kEdtCorp,
    kEdtComputer,
    kEdtProduct,
    kEdtVersion,
    kEdtID,
    kEdtKey,
    kEdtRoot,
    kEdtCPU,
    kEdtMHz,
    kBtnChange,
    kBtnDetail,
};

// The commands of the pop-up menus: the copy menu's item, then the searches in
// their menu order.
enum MenuCommandId : int {
    kMenuItemCopy = 1601,
    kSearchFirst,
};

// The save-and-restore window ("TFrmRestore").
enum RestoreControlId : int {
    kPgRestore = 3001,
    kBtnBackup,
    kBtnRecovery,
    kBtnBackupOE,
    kBtnRecoveryOE,
    kRestoreComment,
    kBtnPlanSave,
    kBtnPlanLoad,
    kLstHistory,         // the history page's records
    kBtnHistoryRestore,  // ... and its button
    kHistoryPanel,
    kHistoryHeading,
    kEffectPanel,     // the 効果 page: its panel,
    kEffectChart,     // ... the chart,
    kEffectTable,     // ... the table below it,
    kEffectSentence,  // ... and the sentence alone where Windows keeps no records
    kBtnRestoreCancel = 2,  // IDCANCEL: Esc closes the window
};

// The accelerate confirmation with its list of changes ("TFrmChanges"); its
// buttons are IDYES and IDNO, its question the static 0xFFFF, as in a message box.
enum ChangesControlId : int {
    kLblChanges = 3201,
    kLstChanges,
};

// The compact window ("TFrmCompact"): its strip of buttons, then the monitor.
enum CompactControlId : int {
    kImgCompactIcon = 4001,  // Image1
    kBtnCompactHelp,
    kBtnCompactVersion,
    kBtnCompactRestore,  // BtnCompact: back to the main window
    kBtnCompactPerformance,
    kBtnCompactTray,
    kBtnCompactMinimum,
    kBtnCompactClose,  // BtnClose_s
    kCmbCPUList = 4101,
    kCmbHDList,
    kCmbNICList,
    kLblCPUUse = 4201,
    kLblMemTotal,
    kLblMemFree,
    kLblMemUse,
    kLblVirtualTotal,
    kLblVirtualFree,
    kLblVirtualUse,
    kLblPageTotal,
    kLblPageFree,
    kLblPageUse,
    kLblHDTotal,
    kLblHDFree,
    kLblHDUse,
    kLblReceiveSpeed,
    kLblSendSpeed,
    kPrgCPUUse = 4301,
    kPrgMemUse,
    kPrgVirtualUse,
    kPrgPageUse,
    kPrgHDUse,
};

inline constexpr int kPageCount = 8;
// The pages in side-menu order: the five categories' and the services' check
// lists, then the utilities and the PC information.
inline constexpr int kServicePage = 5, kUtilityPage = 6, kPcInfoPage = 7;
// The notification-area icon's callback message.
inline constexpr unsigned kTrayCallbackMessage = 0x0400 + 100;  // WM_USER + 100
// A second copy asks the running one to come into view with this registered
// message, wherever it is: in the notification area, minimised or behind.
inline constexpr wchar_t kComeForwardMessage[] = L"Brisko.ComeForward";

}  // namespace brisko::ui
