#include "platform/modern_windows.h"

namespace brisko {

namespace {
struct ModernReason {
    size_t category;  // 0 System, 1 Desktop, 2 Explorer, 3 Power, 4 Others
    int number;
    const char* reason;
};

// One row per item that does nothing useful, or does harm, on Windows 8 to 11:
// where Windows' own value already is the optimised one, unticking could
// only make it worse.
const ModernReason kReasons[] = {
    {0, 2, "システム キャッシュ モードは日常のデスクトップ用途向けではなく、ビデオ メモリを共有する機種では"
           "性能が大きく落ちることがあります (サポート技術情報 895932)。"},
    {0, 3, "64 ビット版の既定値 (1024,20480,768) には 3072 が無く、書き換える値がありません。"},
    {0, 4, "IoPageLockLimit は Windows 2000 SP1 以降のカーネルでは読まれません。"},
    {0, 5, "IRQ8Priority は NT 系のカーネルでは使われない値です。"},
    {0, 7, "USB ホスト コントローラーの省電力は IdleEnable ではなくデバイスごとの設定で決まります。"},
    {0, 8, "このポリシーは Windows 10 の管理用テンプレートに無く、速くはなりません。空き容量が無くなる前の"
           "警告だけが消え、空きが無いと Windows Update が失敗します。"},
    {0, 9, "sysoc.inf (オプション コンポーネント) は Windows Vista で廃止されました。"},
    {0, 10, "この Windows には Service Pack がありません。"},
    {1, 1, "通知はトースト通知に変わり、EnableBalloonTips では止まりません。"},
    {1, 3, "クラシック スタート メニューは Windows 7 で廃止されました。"},
    {1, 4, "この値が今も読まれる根拠が無く、320 は現在の既定より小さいことがあります。"},
    {1, 5, "Active Desktop は Windows Vista で廃止されました。"},
    {1, 6, "Web 表示 (クラシック シェル) のポリシーは Windows Vista より前のものです。"},
    {1, 9, "通知領域のアイコン履歴は Windows 7 から別の場所に保存されます。"},
    {1, 10, "セキュリティ センター (wscsvc) は保護されたサービスで、止めるとセキュリティの警告が出なくなります。"},
    {2, 1, "XP の検索コンパニオンはありません。"},
    {2, 2, "UpdateMode は NT 4 形式のシステム ポリシーの設定で、表示の更新とは関係ありません。"},
    {2, 3, "リモート コンピュータのタスク フォルダはありません。"},
    {2, 4, "DesktopProcess は Windows 2000 までの設定です。"},
    {2, 7, "XP の shmedia.dll のビデオ プロパティ ハンドラはありません。"},
    {2, 8, "ZIP/CAB フォルダは regsvr32 では無効にできず、状態も確かめられません。"},
    {2, 9, "縮小版のキャッシュは Windows Vista からユーザーごとの 1 つのファイルです。止めるとフォルダーを"
           "開くたびに縮小版が作り直され、遅くなります。"},
    {2, 10, "Internet Explorer のリンク ツールバーはありません。"},
    {3, 1, "Windows の既定でこの設定 (Y) になっています。チェックを外すと起動時のファイル配置の最適化が"
           "止まるだけです。"},
    {3, 2, "Windows 10 以降は既定でこの設定 (5000) になっています。チェックを外すと待ち時間が 4 倍の "
           "20000 になります。"},
    {3, 5, "boot.ini がありません (起動設定は BCD に変わりました)。"},
    {3, 8, "この同期グループ ポリシーの値は Windows 2000 のものです。"},
    {3, 9, "Windows の既定でこの設定 (0) になっています。チェックを外すと終了のたびにページ ファイルが"
           "消去され、終了が遅くなります。"},
    {3, 10, "boot.ini がありません (起動設定は BCD に変わりました)。"},
    {4, 1, "Windows Media Player 12 は履歴をジャンプ リストに保存します。"},
    {4, 2, "PCHealth のエラー報告は XP までのもので、現在は Windows エラー報告が使われます。"},
    {4, 4, "自動更新を止めるとセキュリティ更新プログラムが届かなくなります。"},
    {4, 9, "Outlook Express と Windows Messenger はありません。"},
    {4, 10, "Internet Explorer の Messenger 拡張はありません。"},
};
}  // namespace

bool IsModernWindows(const OsVersion& v) {
    return v.platformId == 2 && (v.major > 6 || (v.major == 6 && v.minor >= 2));
}

DisabledItemSets ModernWindowsSet() {
    DisabledItemSets set;
    for (const ModernReason& r : kReasons) set[r.category].push_back(r.number);
    return set;
}

std::string_view ModernWindowsReason(size_t categoryIndex, int number) {
    for (const ModernReason& r : kReasons)
        if (r.category == categoryIndex && r.number == number) return r.reason;
    return {};
}

std::string WindowsName(const WindowsBuild& b) {
    std::string name = "Windows";
    if (b.major == 10 && b.build >= 22000) name += " 11";
    else if (b.major == 10) name += " 10";
    else if (b.major == 6 && b.minor == 3) name += " 8.1";
    else if (b.major == 6 && b.minor == 2) name += " 8";
    else if (b.major == 6 && b.minor == 1) name += " 7";
    else if (b.major == 6 && b.minor == 0) name += " Vista";
    else if (b.major == 5 && b.minor == 2) name += " Server 2003";
    else if (b.major == 5 && b.minor == 1) name += " XP";
    else if (b.major == 5 && b.minor == 0) name += " 2000";
    return name + " (" + std::to_string(b.major) + "." + std::to_string(b.minor) + "." + std::to_string(b.build) + ")";
}

}  // namespace brisko
