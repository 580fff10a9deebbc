#include "ui/compact_layout.h"

#include "ui/control_ids.h"

namespace brisko::ui {

namespace {
constexpr int kGroupLeft = 3, kGroupWidth = 261;
// Columns inside a group, from the window's left edge.
constexpr int kCaption1 = 11, kValue1 = 43, kCaption2 = 131, kValue2 = 185, kValueWidth = 76;
constexpr int kBarLeft = 99, kBarWidth = 157;
constexpr int kRowHeight = 14, kListRow = 13, kFirstRow = 35, kRowStep = 17;

std::vector<CompactControl> Build() {
    using K = CompactKind;
    std::vector<CompactControl> c;
    // The strip: 23 × 22 buttons at the top.
    const std::pair<int, int> strip[] = {{kImgCompactIcon, 0},      {kBtnCompactHelp, 23},    {kBtnCompactVersion, 46},
                                         {kBtnCompactRestore, 69},  {kBtnCompactPerformance, 92},
                                         {kBtnCompactTray, 198},    {kBtnCompactMinimum, 221}, {kBtnCompactClose, 244}};
    for (const auto& [id, x] : strip) c.push_back({K::Button, id, "", {x, 0, 23, 22}});

    auto group = [&](int top, int height, std::string_view caption) {
        c.push_back({K::Group, 0, caption, {kGroupLeft, top, kGroupWidth, height}});
    };
    // A choice list behind its caption, which is given the room it needs.
    auto list = [&](int top, std::string_view caption, int captionWidth, int id, int width) {
        c.push_back({K::Caption, 0, caption, {kCaption1, top + kListRow + 3, captionWidth, kRowHeight}});
        c.push_back({K::ChoiceList, id, "", {kCaption1 + captionWidth + 2, top + kListRow, width, 150}});
    };
    auto amounts = [&](int rowTop, int total, int free, std::string_view design) {
        c.push_back({K::Caption, 0, "合計", {kCaption1, rowTop, kValue1 - kCaption1, kRowHeight}});
        c.push_back({K::Value, total, design, {kValue1, rowTop, kValueWidth, kRowHeight}});
        c.push_back({K::Caption, 0, "利用可能", {kCaption2, rowTop, kValue2 - kCaption2, kRowHeight}});
        c.push_back({K::Value, free, design, {kValue2, rowTop, kValueWidth, kRowHeight}});
    };
    auto use = [&](int rowTop, int label, int bar) {
        c.push_back({K::Caption, 0, "使用率", {kCaption1, rowTop, 42, kRowHeight}});
        c.push_back({K::Value, label, "## %", {kCaption1 + 42, rowTop, kBarLeft - kCaption1 - 44, kRowHeight}});
        c.push_back({K::Bar, bar, "", {kBarLeft, rowTop + 1, kBarWidth, kRowHeight - 2}});
    };

    group(24, 53, "CPU");
    list(24, "表示 CPU", 54, kCmbCPUList, 81);
    use(24 + kFirstRow, kLblCPUUse, kPrgCPUUse);

    const struct {
        int top;
        std::string_view caption;
        int total, free, label, bar;
    } memory[] = {{84, "物理メモリ", kLblMemTotal, kLblMemFree, kLblMemUse, kPrgMemUse},
                  {144, "仮想メモリ", kLblVirtualTotal, kLblVirtualFree, kLblVirtualUse, kPrgVirtualUse},
                  {204, "ページングファイル", kLblPageTotal, kLblPageFree, kLblPageUse, kPrgPageUse}};
    for (const auto& m : memory) {
        group(m.top, 53, m.caption);
        amounts(m.top + kFirstRow - kRowStep, m.total, m.free, "#,### MB");
        use(m.top + kFirstRow, m.label, m.bar);
    }

    group(264, 70, "ハードディスク");
    list(264, "表示ドライブ", 74, kCmbHDList, 96);  // at 81 "C ドライブ" is cut to "C ドラ..."
    amounts(264 + kFirstRow, kLblHDTotal, kLblHDFree, "###,### MB");
    use(264 + kFirstRow + kRowStep, kLblHDUse, kPrgHDUse);

    group(341, 53, "ネットワーク");
    list(341, "表示 NIC", 54, kCmbNICList, 191);
    const int row = 341 + kFirstRow;
    c.push_back({K::Caption, 0, "受信", {kCaption1, row, kValue1 - kCaption1, kRowHeight}});
    c.push_back({K::Value, kLblReceiveSpeed, "###,### Kbps", {kValue1, row, 84, kRowHeight}});
    c.push_back({K::Caption, 0, "送信", {kCaption2, row, kValue2 - kCaption2, kRowHeight}});
    c.push_back({K::Value, kLblSendSpeed, "###,### Kbps", {kValue2, row, kValueWidth, kRowHeight}});
    return c;
}
}  // namespace

const std::vector<CompactControl>& CompactControls() {
    static const std::vector<CompactControl> controls = Build();
    return controls;
}

}  // namespace brisko::ui
