#include "engine/pc_information.h"

#include "engine/program_context.h"
#include "platform/error.h"
#include "platform/profile/profile_file.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "platform/utilities.h"

namespace brisko {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const std::string kNtKey = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const std::string k9xKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const std::string kCpuKey = "\\HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
const std::string kComputerNameKey = "\\SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

// Characters a registered owner or organisation may not hold, and those a
// computer name may not hold (the blank among them, the percent sign not).
const std::string kNameForbidden = "/\\[]\":;|<>+=,?*";
const std::string kComputerNameForbidden = "`~!@#$ ^&*()=+[]{}\\|;:'\",<>/?";

// NetBIOS: at most 15 bytes in the OEM code page.
constexpr size_t kComputerNameBytes = 15;

bool HoldsControlCharacter(const std::string& s) {
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

struct NameValue {
    const char* caption;
    const char* valueName;
};
const NameValue kNameValues[3] = {
    {"ユーザー名", "RegisteredOwner"}, {"会社名", "RegisteredOrganization"}, {"コンピュータ名", "ComputerName"}};
}  // namespace

void ReadPcInformation(ProgramContext& ctx) {
    RegistryStore& r = ctx.platform.registry;
    auto text = [&](const std::string& key, const char* name) { return RegReadValue(r, HKLM, key, name, kind::kString); };
    PcInformation& info = ctx.pcInformation;
    if (ctx.os.family == "NT") {
        info[0] = text(kNtKey, "RegisteredOwner");
        info[1] = text(kNtKey, "RegisteredOrganization");
        info[3] = text(kNtKey, "ProductName");
        const std::string build = text(kNtKey, "CurrentBuildNumber");
        info[4] = text(kNtKey, "CurrentVersion") + "." + build + " " + text(kNtKey, "CSDVersion") + " ビルド " + build;
        info[5] = text(kNtKey, "ProductId");
        info[6] = IniReadValue(ctx.platform.files, ctx.paths.answerFilePath, "userdata", "ProductKey");
        info[7] = text(kNtKey, "SystemRoot");
        info[8] = text(kCpuKey, "ProcessorNameString");
        info[9] = text(kCpuKey, "Identifier") + " " + text(kCpuKey, "VendorIdentifier") + " " +
                  RegReadValue(r, HKLM, kCpuKey, "~MHz", kind::kDword) + "MHz";
    } else {
        info[0] = text(k9xKey, "RegisteredOwner");
        info[1] = text(k9xKey, "RegisteredOrganization");
        info[3] = text(k9xKey, "ProductName");
        info[4] = text(k9xKey, "Version") + " " + text(k9xKey, "VersionNumber");
        info[5] = text(k9xKey, "ProductId");
        info[6] = text(k9xKey, "ProductKey");
        info[7] = text(k9xKey, "SystemRoot");
        info[8] = text(kCpuKey, "Identifier");
        info[9] = text(kCpuKey, "VendorIdentifier");
    }
    info[2] = text(kComputerNameKey, "ComputerName");
    for (size_t row : {0, 1, 2, 5, 6})
        if (info[row] == kNullText) info[row].clear();
}

std::optional<PcNamesRefusal> CheckPcNames(const PcNames& names) {
    const std::string forbidden = "に次の文字は使えません：";
    if (ContainsAnyChar(names.user, kNameForbidden))
        return PcNamesRefusal{PromptKind::Error,
                              "指定した使用者名は有効ではありません。\r\n使用者名" + forbidden + kNameForbidden};
    if (ContainsAnyChar(names.corp, kNameForbidden))
        return PcNamesRefusal{PromptKind::Error,
                              "指定した会社名は有効ではありません。\r\n会社名" + forbidden + kNameForbidden};
    if (ContainsAnyChar(names.computer, kComputerNameForbidden))
        return PcNamesRefusal{PromptKind::Error, "指定したコンピュータ名は有効ではありません。\r\nコンピュータ名" +
                                                     forbidden + kComputerNameForbidden};
    for (const std::string* name : {&names.user, &names.corp, &names.computer})
        if (HoldsControlCharacter(*name))
            return PcNamesRefusal{PromptKind::Error, "指定した名前に制御文字（タブ、改行など）が含まれています。"};
    if (text::Utf8ToCp932(names.computer).size() > kComputerNameBytes)
        return PcNamesRefusal{PromptKind::Error, "指定したコンピュータ名は長すぎます。\r\nコンピュータ名は半角 15 文字"
                                                 "（全角文字は 1 文字を 2 文字分と数えます）までです。"};
    // A user or computer name "NULL" stands for nothing: as good as empty.
    auto blank = [](const std::string& s) { return s.empty() || s == kNullText; };
    if (blank(names.user) || blank(names.computer))
        return PcNamesRefusal{PromptKind::Warn, "\r\nユーザー名およびコンピュータ名を空欄にすることはできません。"};
    return std::nullopt;
}

void WritePcInformation(ProgramContext& ctx, const PcNames& names) {
    const std::string& ownerKey = ctx.os.family == "NT" ? kNtKey : k9xKey;
    const std::string* texts[3] = {&names.user, &names.corp, &names.computer};
    std::string written;
    for (size_t i = 0; i < 3; ++i) {
        try {
            // Stored as the text typed, whatever it reads like ("NULL", "UnfitType").
            RegistryStore& store = ctx.platform.registry;
            const std::string key = (i == 2 ? kComputerNameKey : ownerKey).substr(1);
            store.CreateKey(HKLM, key);
            if (!store.SetValue(HKLM, key, kNameValues[i].valueName, {regtype::kSz, EncodeRegString(*texts[i])}))
                throw BriskoError(FormatUserMessage("'%s' の設定に失敗しました", kNameValues[i].valueName));
        } catch (const BriskoError& e) {
            // Nothing is undone: say plainly what has already changed.
            if (written.empty())
                throw BriskoError(std::string(e.what()) + "\r\n\r\nパソコン情報は変更されていません。");
            throw BriskoError(std::string(e.what()) + "\r\n\r\n次の項目は新しい文字列に設定済みです：" + written +
                              "\r\n残りの項目は変更されていません。");
        }
        written += std::string(written.empty() ? "" : "、") + kNameValues[i].caption;
    }
}

}  // namespace brisko
