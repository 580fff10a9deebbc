#include "backup/reg_export.h"

#include <cstdio>
#include <set>

#include "backup/backup_file.h"
#include "backup/hive_restore.h"
#include "engine/item_passes.h"
#include "engine/per_user_items.h"
#include "engine/rehearsal.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/text/utf.h"

namespace brisko {

namespace {
using Kind = RecordedWrite::Kind;

constexpr size_t kHexLineWidth = 77;  // regedit's: a continued line stays within 80 columns

std::string KeyName(const RecordedWrite& w) {
    std::string path = w.path;
    while (!path.empty() && path.front() == '\\') path.erase(0, 1);
    return FullKeyName(w.root, path);
}

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

// "hex(2):25,00,..." wrapped as regedit wraps it; lineStart is how much of
// the line the name and "=" already take.
std::string HexData(const std::string& tag, const std::string& bytes, size_t lineStart) {
    std::string out = tag + ":";
    size_t column = lineStart + out.size();
    for (size_t i = 0; i < bytes.size(); ++i) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%02x", static_cast<unsigned char>(bytes[i]));
        out += cell;
        column += 2;
        if (i + 1 == bytes.size()) break;
        out += ',';
        ++column;
        if (column >= kHexLineWidth) {
            out += "\\\n  ";
            column = 2;
        }
    }
    return out;
}

// A string regedit can quote: no line breaks or NULs inside, one NUL at the end.
bool PlainString(const std::string& bytes) {
    const std::string text = DecodeRegString(bytes);
    return text.find_first_of("\r\n") == std::string::npos && EncodeRegString(text) == bytes;
}

std::string ValueLine(const RecordedWrite& w) {
    const std::string name = w.name.empty() ? "@" : Quoted(w.name);
    if (w.kind == Kind::DeleteValue) return name + "=-";
    const RegValueData& v = w.data;
    if (v.type == regtype::kSz && PlainString(v.bytes)) return name + "=" + Quoted(DecodeRegString(v.bytes));
    if (v.type == regtype::kDword && v.bytes.size() == 4) {
        uint32_t n = 0;
        for (int i = 3; i >= 0; --i) n = n << 8 | static_cast<unsigned char>(v.bytes[i]);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", n);
        return name + "=" + text;
    }
    char tag[16] = "hex";
    if (v.type != regtype::kBinary) std::snprintf(tag, sizeof tag, "hex(%x)", v.type);
    return name + "=" + HexData(tag, v.bytes, name.size() + 1);
}

void AddCommentLines(std::string& out, const std::string& comment) {
    size_t from = 0;
    while (from <= comment.size()) {
        size_t to = comment.find('\n', from);
        if (to == std::string::npos) to = comment.size();
        std::string line = comment.substr(from, to - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out += "; " + line + "\n";
        from = to + 1;
    }
}

// What a rehearsed action does that a .reg cannot: its file edits, commands
// and the errors it would report.
std::vector<std::string> NotInRegFile(const std::vector<RecordedWrite>& writes, const std::vector<std::string>& notes) {
    std::vector<std::string> left;
    for (const auto& w : writes) {
        const std::string what = w.kind == Kind::WriteFile ? "ファイルの変更: " : w.kind == Kind::RemoveFile ? "ファイルの削除: " : "";
        if (!what.empty() && (left.empty() || left.back() != what + w.path)) left.push_back(what + w.path);
    }
    for (const auto& note : notes)
        if (!note.starts_with(PromptCaption(PromptKind::Confirm)) && !note.starts_with(PromptCaption(PromptKind::Inform)))
            left.push_back(note);
    return left;
}

const char* const kLeftOut = "次の設定は .reg ファイルに含められません。Brisko で設定してください。";
const char* const kTicksOnly =
    "このファイルは、チェックされた項目を最適化する書き込みだけを含みます。\n"
    "チェックされていない項目は含みません。元に戻す値はコンピュータごとに異なり、"
    "それぞれのコンピュータのバックアップから復元してください。";

// The name as it can be shown in a message: control characters spelled out.
std::string Shown(const std::string& name) {
    std::string out;
    for (char c : name) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\0' ? "\\0" : std::string(1, c);
    return out;
}

// A key or value name the file cannot hold as it is: a line break or NUL
// would start a line of its own, a replacement character stands for an
// unpaired surrogate (the name read back would be another one), and a key
// ending in ']' would close its header early.
void RefuseUnwritableName(const std::string& name, bool key) {
    const bool breaks = name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
    const bool lossy = name.find("\xEF\xBF\xBD") != std::string::npos || text::Utf16ToUtf8(text::Utf8ToUtf16(name)) != name;
    const bool closes = key && !name.empty() && name.back() == ']';
    if (breaks || lossy || closes)
        throw BriskoError(FormatUserMessage(std::string("レジストリの") + (key ? "キー" : "値") +
                                                "名 %s には .reg ファイルに書けない文字（改行、NUL、対になっていない"
                                                "サロゲート、行末の ]）が含まれているため、.reg ファイルを書き出しません。",
                                            Shown(name)));
}
}  // namespace

std::string RegFileText(const std::vector<RecordedWrite>& writes, const std::vector<std::string>& comments) {
    std::string out = "Windows Registry Editor Version 5.00\n\n";
    for (const auto& c : comments) AddCommentLines(out, c);
    std::string section;  // the key of the open section, empty when none
    for (const auto& w : writes) {
        if (w.kind == Kind::WriteFile || w.kind == Kind::RemoveFile) continue;
        const std::string key = KeyName(w);
        RefuseUnwritableName(key, true);
        if (w.kind == Kind::SetValue || w.kind == Kind::DeleteValue) RefuseUnwritableName(w.name, false);
        if (w.kind == Kind::DeleteKey) {
            out += "\n[-" + key + "]\n";
            section.clear();
            continue;
        }
        if (key != section) {
            out += "\n[" + key + "]\n";
            section = key;
        }
        if (w.kind != Kind::CreateKey) out += ValueLine(w) + "\n";
    }
    return out;
}

namespace {
const char* const kMachinePart =
    "このファイルはコンピュータ全体の設定だけを含みます。スタートアップ スクリプト (SYSTEM として実行) でも読み込めます。";
const char* const kUsersLeftOut =
    "次の項目はユーザーごとの設定 (HKEY_CURRENT_USER) のため含めていません。SYSTEM として読み込むと、どのユーザーでもない\n"
    ".DEFAULT (ログオン画面) の設定になります。brisko.exe /export-reg ファイル プラン /user で書き出し、ログオン スクリプトか、\n"
    "グループ ポリシーの [ユーザーの構成] (基本設定のレジストリ項目に変換して) で配布してください。";
const char* const kUserPart =
    "このファイルはユーザーごとの設定 (HKEY_CURRENT_USER) だけを含み、読み込んだユーザーの設定になります。\n"
    "ログオン スクリプト (ユーザーとして実行) か、グループ ポリシーの [ユーザーの構成] (基本設定のレジストリ項目に\n"
    "変換して) で配布してください。スタートアップ スクリプトでは使わないでください (SYSTEM として実行され、.DEFAULT\n"
    "に書き込まれます)。Policies キーの値は、ユーザーの権限では書き込めないことがあります。";

std::string DefaultPartComment(ProgramContext& ctx) {
    std::string folder = ctx.accounts().DefaultProfileFolder();
    if (folder.empty()) folder = "%SystemDrive%\\Users\\Default";
    const std::string key = std::string("HKU\\") + kDefaultProfileRegKey;
    return "このファイルは新しいユーザーの既定 (Default プロファイル) の設定です。これから作られるプロファイルにだけ効き、\n"
           "既存のユーザーには効きません。Windows は最初のサインインで一部の値を設定し直します。\n"
           "管理者として次の順に実行してください:\n"
           "  reg load " + key + " \"" + folder + "\\NTUSER.DAT\"\n"
           "  regedit /s このファイル\n"
           "  reg unload " + key;
}

// The hive a part's writes are named by: the process's HKEY_CURRENT_USER
// for the users' part, HKEY_USERS\BriskoDefault for the Default profile's.
UserHive PartHive(RegPart part) {
    if (part == RegPart::DefaultUser) return {kDefaultProfileSid, "", "", HiveOpening::Loaded, kDefaultProfileRegKey, ""};
    return {};
}

std::string TickedItemsAsReg(ProgramContext& ctx, const ItemFilter& only, RegPart part) {
    std::vector<RecordedWrite> writes;
    std::vector<std::string> comments{kTicksOnly};
    comments.push_back(part == RegPart::Machine ? std::string(kMachinePart)
                       : part == RegPart::User  ? std::string(kUserPart)
                                                : DefaultPartComment(ctx));
    const bool users = part != RegPart::Machine;
    const auto inPart = [&](TweakCategory c, size_t position) {
        return IsPerUserItem(c, position) == users && (!only || only(c, position));
    };
    const HiveRoute before = ctx.userHive.Route();
    if (users) RouteTo(ctx, PartHive(part));
    std::vector<RehearsedItem> items;
    try {
        items = RehearseApply(ctx, RehearsalScope::TickedItems, inPart);
    } catch (...) {
        ctx.userHive.Route(before);
        throw;
    }
    ctx.userHive.Route(before);
    bool leftOut = false;
    for (const RehearsedItem& item : items) {
        writes.insert(writes.end(), item.writes.begin(), item.writes.end());
        const auto left = NotInRegFile(item.writes, item.otherActions);
        if (left.empty()) continue;
        if (!leftOut) comments.push_back(kLeftOut);
        leftOut = true;
        std::string line = "[" + std::string(CategoryName(item.category)) + "] " + item.label;
        for (const auto& l : left) line += "\n　" + l;
        comments.push_back(line);
    }
    if (!users) {
        std::string userItems;
        for (TweakCategory c : kSettingCategories)
            for (size_t i = 0; i < ctx.items.List(c).size(); ++i)
                if (IsPerUserItem(c, i) && ItemEnabled(ctx, c, i) && ctx.items.List(c)[i].ticked && (!only || only(c, i)))
                    userItems += "\n　[" + std::string(CategoryName(c)) + "] " + ctx.items.List(c)[i].label;
        if (!userItems.empty()) comments.push_back(kUsersLeftOut + userItems);
    }
    return RegFileText(writes, comments);
}
}  // namespace

std::string ExportTicksAsReg(ProgramContext& ctx, RegPart part) { return TickedItemsAsReg(ctx, {}, part); }

std::string ExportPlanAsReg(ProgramContext& ctx, const PlanLoad& plan, RegPart part) {
    std::set<std::pair<TweakCategory, size_t>> named(plan.named.begin(), plan.named.end());
    return TickedItemsAsReg(ctx, [&](TweakCategory c, size_t position) { return named.contains({c, position}); }, part);
}

std::string ExportBackupAsReg(ProgramContext& ctx, const ChosenBackup& backup) {
    std::vector<std::string> notes;
    // An older backup's user rows are whoever imports the file's.
    RestoreTargets users = TargetsOf(ctx, backup, std::nullopt);
    for (BlockTarget& t : users.targets)
        if (t.block.hive.sid.empty()) t.hive.usersKey.clear();
    const auto writes = RehearseWrites(ctx, [&] { RestoreFromBackup(ctx, backup, users); }, &notes);
    std::vector<std::string> comments = NotInRegFile(writes, notes);
    if (!comments.empty()) comments.insert(comments.begin(), kLeftOut);
    return RegFileText(writes, comments);
}

void WriteRegFile(FileSystem& files, const std::string& path, const std::string& text) {
    std::string crlf;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
        crlf += text[i];
    }
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text::Utf8ToUtf16(crlf)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    if (!files.WriteReplacing(path, bytes)) throw BriskoError(FormatUserMessage("%s に書き込めません", path));
}

}  // namespace brisko
