// The history page end to end: two items applied, their record read on the
// 履歴 page, and the backup made before them restored from there. What the
// program asked of System Restore is written to a log the test reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "ui/control_ids.h"
#include "ui_driver.h"

namespace brisko::ui {
namespace {

using driver::RunningBrisko;

const wchar_t* const kPriority = L"SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
const wchar_t* const kPolicies = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

TEST(HistoryPage, AnApplyIsListedWithItsValuesAndItsBackupRestoresThem) {
    const driver::KeptValue irq8(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const driver::KeptValue lowDisk(HKEY_CURRENT_USER, kPolicies, L"NoLowDiskSpaceChecks");
    const std::wstring pointLog = driver::ProgramFolder() + L"\\e2e-restore-points.log";
    DeleteFileW(pointLog.c_str());
    SetEnvironmentVariableW(L"BRISKO_RESTORE_POINT_LOG", pointLog.c_str());
    RunningBrisko app;
    SetEnvironmentVariableW(L"BRISKO_RESTORE_POINT_LOG", nullptr);
    ASSERT_TRUE(app.Main());
    // System 5 (IRQ8Priority) and 8 (NoLowDiskSpaceChecks), unticked and written as such first.
    if (app.Ticked(0, 4) || app.Ticked(0, 7)) {
        for (int index : {4, 7})
            if (app.Ticked(0, index)) app.ClickCheckBox(0, index);
        app.ClickAndConfirm(kBtnAccelerate);
    }
    const auto irq8Before = driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority");
    const auto lowDiskBefore = driver::ReadRaw(HKEY_CURRENT_USER, kPolicies, L"NoLowDiskSpaceChecks");
    app.ClickCheckBox(0, 4);
    app.ClickCheckBox(0, 7);
    const std::wstring done = app.ClickAndConfirm(kBtnAccelerate);
    EXPECT_EQ(done.rfind(L"Windows の設定を変更しました。", 0), 0u) << done;
    ASSERT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"),
              (driver::RawValue{REG_DWORD, std::string("\2\0\0\0", 4)}));
    ASSERT_EQ(driver::ReadRaw(HKEY_CURRENT_USER, kPolicies, L"NoLowDiskSpaceChecks"),
              (driver::RawValue{REG_DWORD, std::string("\1\0\0\0", 4)}));

    HWND window = app.OpenRestoreWindow();
    ASSERT_TRUE(window);
    for (int i = 0; i < 2; ++i) {
        app.PressKey(VK_RIGHT);  // the tabs have the keyboard: the third page
        driver::Settle(200);
    }
    HWND list = GetDlgItem(window, kLstHistory);
    ASSERT_TRUE(driver::WaitFor([&] { return IsWindowVisible(list) != FALSE; }, 3000)) << "the 履歴 page shows";
    ASSERT_GE(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
    const std::wstring newest = driver::ListLine(list, 0);
    EXPECT_NE(newest.find(L"高速化  (2 項目)"), std::wstring::npos);
    const std::wstring details = driver::TextOf(GetDlgItem(window, kRestoreComment));
    for (const wchar_t* part :
         {L"HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\", L"Control\\PriorityControl\\IRQ8Priority",
          L"HKEY_CURRENT_USER\\Software\\", L"NoLowDiskSpaceChecks", L"変更前: (なし)", L"変更後: 0x00000002 (2)",
          L"変更後: 0x00000001 (1)", L"変更前のバックアップ:", L"復元ポイント: "})
        EXPECT_NE(details.find(part), std::wstring::npos) << "the record shows " << part;
    driver::Settle(500);
    driver::Picture(window, L"history-page");

    driver::PressOpeningABox(window, kBtnHistoryRestore);
    HWND box = driver::WaitForDialog(app.ProcessId(), L"確認");
    ASSERT_TRUE(box) << "the restore asks first";
    EXPECT_NE(driver::BoxText(box).find(L"ファイル名：backup_"), std::wstring::npos);
    driver::Answer(box, IDYES);
    const std::wstring said = driver::AnswerBoxesUntil(app.ProcessId(), L"Windows の設定を復元しました。");
    EXPECT_NE(said.find(L"Windows の設定を復元しました。"), std::wstring::npos);
    EXPECT_EQ(driver::ReadRaw(HKEY_LOCAL_MACHINE, kPriority, L"IRQ8Priority"), irq8Before) << "the values are back";
    EXPECT_EQ(driver::ReadRaw(HKEY_CURRENT_USER, kPolicies, L"NoLowDiskSpaceChecks"), lowDiskBefore);
    ASSERT_TRUE(driver::WaitFor([&] { return driver::ListLine(list, 0).find(L"復元") != std::wstring::npos; }, 3000))
        << "the restore is the newest record";
    driver::Settle(300);
    driver::Picture(window, L"history-page-restored");
    app.PressKey(VK_ESCAPE);

    std::ifstream log(std::filesystem::path(pointLog), std::ios::binary);
    std::stringstream asked;
    asked << log.rdbuf();
    std::cout << "System Restore was asked:\n" << asked.str() << std::endl;
    EXPECT_EQ(asked.str().rfind("Begin\tBrisko による設定変更の前\t", 0), 0u);
}

}  // namespace
}  // namespace brisko::ui
