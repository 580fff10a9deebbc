#pragma once
// Control ids of the options window, shared with the UI test driver.
namespace brisko::ui {

enum OptionsControlId : int {
    kPgOption = 2001,
    // General.
    kRdFontG = 2101,  // 最大, then 大, 中, 小, 最小
    kRdFontL,
    kRdFontM,
    kRdFontS,
    kRdFontA,
    kChcReboot,
    kChcInform,
    kChcAutoRestore,
    kLblSysocPath,
    kEdtSysocPath,
    kBtnSysocPath,
    kLblBootPath,
    kEdtBootPath,
    kBtnBootPath,
    kBtnOKO,
    kBtnCloseO,
    kChcRestorePoint,
    // Item disabling: one box per key, System1 ... Others10, Service, Utility1 ... 10, PCInfo1 ... 3.
    kChcDisablingFirst = 2200,
    kChcService = kChcDisablingFirst + 50,
    kBtnOKD = 2280,
    kBtnCloseOK,
    // Version.
    kLblOfficialSite = 2301,
    kLblNewTicket,
    kLblWebSite,
    kLblBlog,
    kBtnHidden,
    kBtnOKV,
    // Customize.
    kScrTrans = 2401,
    kEdtTrans,
    kRdStyleFirst = 2410,  // the eleven colour styles, RdDefault ... RdOptional
    kPnlColorFirst = 2430,  // the six swatches, title ... compact
    kRdTabs = 2440,
    kRdFlatButtons,
    kRdButtons,
    kChkShowTab,
    kBtnOKH = 2450,
    kBtnCloseH,
};

// The pages of kPgOption in tab order; the last is shown only after kBtnHidden.
enum OptionsPageIndex : int { kTbOption, kTbDisabled, kTbVersion, kTbHidden, kOptionsPageCount };

}  // namespace brisko::ui
