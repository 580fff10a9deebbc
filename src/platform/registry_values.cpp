#include "platform/registry_values.h"

#include <charconv>
#include <cstring>

#include "platform/error.h"
#include "platform/text/case_fold.h"
#include "platform/text/utf.h"
#include "platform/utilities.h"

namespace brisko {

namespace {
std::string StorePath(const std::string& keyPath) {
    return (!keyPath.empty() && keyPath.front() == '\\') ? keyPath.substr(1) : keyPath;
}

std::string LittleEndian32(uint32_t v) {
    std::string b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

uint32_t FromLittleEndian(const std::string& bytes) {
    uint32_t v = 0;
    for (size_t i = 0; i < bytes.size() && i < 4; ++i) v |= uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return v;
}

// The whole list, however long: each NUL becomes a carriage return and a NUL
// right after one ends the list.
std::string ReadMultiString(RegistryStore& store, RegRoot root, const std::string& path, const std::string& name) {
    auto value = store.QueryValue(root, path, name, RegAccess::Query);
    if (!value) return std::string(kNullText);
    const std::string data = DecodeRegData(value->bytes) + '\0';
    std::string out;
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] != '\0') {
            out.push_back(data[i]);
            continue;
        }
        out.push_back('\r');
        if (i + 1 >= data.size() || data[i + 1] == '\0') break;
    }
    return out;
}

// Copies the values and subkeys of one key into another; false at the first
// create or store that is refused.
bool CopyKeyTree(RegistryStore& store, RegRoot root, const std::string& from, const std::string& to) {
    if (!store.CreateKey(root, to)) return false;
    for (const auto& valueName : store.ValueNames(root, from)) {
        auto v = store.QueryValue(root, from, valueName, RegAccess::Query);
        if (v && !store.SetValue(root, to, valueName, *v)) return false;
    }
    for (const auto& sub : store.SubKeyNames(root, from))
        if (!CopyKeyTree(store, root, JoinKeyPath(from, sub), JoinKeyPath(to, sub))) return false;
    return true;
}

// Whether every value of key a, and below it every subkey with its values,
// is in key b with the same data (b may hold more).
bool WithinKeyTree(RegistryStore& store, RegRoot root, const std::string& a, const std::string& b) {
    for (const auto& name : store.ValueNames(root, a))
        if (store.QueryValue(root, a, name, RegAccess::Query) != store.QueryValue(root, b, name, RegAccess::Query))
            return false;
    for (const auto& sub : store.SubKeyNames(root, a)) {
        const std::string inB = JoinKeyPath(b, sub);
        if (!store.CanOpenKey(root, inB, RegAccess::Query) || !WithinKeyTree(store, root, JoinKeyPath(a, sub), inB))
            return false;
    }
    return true;
}

// Whether two keys hold the same values and, below them, the same subkeys.
bool SameKeyTree(RegistryStore& store, RegRoot root, const std::string& a, const std::string& b) {
    return WithinKeyTree(store, root, a, b) && WithinKeyTree(store, root, b, a);
}

std::string RootName(RegRoot root) {
    switch (root) {
        case RegRoot::ClassesRoot: return "HKEY_CLASSES_ROOT";
        case RegRoot::CurrentUser: return "HKEY_CURRENT_USER";
        case RegRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
        case RegRoot::Users: return "HKEY_USERS";
    }
    return {};
}

bool KeyExists(RegistryStore& store, RegRoot root, const std::string& path) {
    return store.CanOpenKey(root, path, RegAccess::Query);
}

bool IsBelow(const std::string& path, const std::string& ancestor) {
    const std::string lower = text::AsciiLower(path), top = text::AsciiLower(ancestor) + "\\";
    return lower.compare(0, top.size(), top) == 0;
}
}  // namespace

std::string EncodeRegString(const std::string& utf8) {
    std::u16string wide = text::Utf8ToUtf16(utf8);
    wide.push_back(u'\0');
    std::string bytes(wide.size() * 2, '\0');
    for (size_t i = 0; i < wide.size(); ++i) {
        bytes[2 * i] = static_cast<char>(wide[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(wide[i] >> 8);
    }
    return bytes;
}

std::string DecodeRegData(const std::string& bytes) {
    std::u16string wide;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text::Utf16ToUtf8(wide);
}

std::string DecodeRegString(const std::string& bytes) {
    std::string s = DecodeRegData(bytes);
    return s.substr(0, s.find('\0'));
}

std::string RegReadValue(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name,
                         std::string_view kindTag) {
    const std::string path = StorePath(keyPath);
    if (kindTag == kind::kMultiString) return ReadMultiString(store, root, path, name);
    const bool known = kindTag == kind::kString || kindTag == kind::kBinary || kindTag == kind::kDword;
    if (!known || !store.CanOpenKey(root, path, RegAccess::Full)) return std::string(kNullText);
    auto value = store.QueryValue(root, path, name, RegAccess::Full);
    if (!value) return std::string(kNullText);
    const uint32_t type = value->type;
    const bool isText = type == regtype::kSz || type == regtype::kExpandSz;
    if (kindTag == kind::kString) {
        if (!isText) return std::string(kUnfitType);
        std::string s = DecodeRegString(value->bytes);
        return s.empty() ? std::string(kNullText) : s;
    }
    if (kindTag == kind::kDword) {
        if (type != regtype::kDword || value->bytes.size() != 4) return std::string(kUnfitType);
        return std::to_string(static_cast<int32_t>(FromLittleEndian(value->bytes)));
    }
    // Binary: any non-text, non-DWORD type of at most four bytes.
    if (isText || type == regtype::kDword || value->bytes.size() > 4) return std::string(kUnfitType);
    return FormatHex8(FromLittleEndian(value->bytes));
}

std::optional<RegValueData> RegValueDataOf(std::string_view kindTag, const std::string& text) {
    if (text == kNullText || text == kUnfitType) return std::nullopt;
    if (kindTag == kind::kDword) {
        int32_t v = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
        if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
        return RegValueData{regtype::kDword, LittleEndian32(static_cast<uint32_t>(v))};
    }
    if (kindTag == kind::kString || kindTag == kind::kExString)
        return RegValueData{kindTag == kind::kString ? regtype::kSz : regtype::kExpandSz, EncodeRegString(text)};
    if (kindTag == kind::kBinary) return RegValueData{regtype::kBinary, LittleEndian32(HexTextToInt(text))};
    return std::nullopt;  // MultiString and unknown tags write nothing
}

void RegWriteValue(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name,
                   std::string_view kindTag, const std::string& text) {
    if (text == kNullText) {
        RegDeleteValue(store, root, keyPath, name);
        return;
    }
    if (text == kUnfitType) return;
    const std::string path = StorePath(keyPath);
    store.CreateKey(root, path);
    const auto data = RegValueDataOf(kindTag, text);
    if (!data) return;
    const bool stored = store.SetValue(root, path, name, *data);
    if (!stored && kindTag != kind::kDword) throw BriskoError(FormatUserMessage("'%s' の設定に失敗しました", name));
}

void RegDeleteValue(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name) {
    // The store opens the key with full access itself; a refusal is not reported.
    store.DeleteValue(root, StorePath(keyPath), name);
}

std::string RegValueKind(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name) {
    auto value = store.QueryValue(root, StorePath(keyPath), name, RegAccess::Full);
    if (!value) return std::string(kind::kUnknown);
    switch (value->type) {
        case regtype::kSz: return std::string(kind::kString);
        case regtype::kExpandSz: return std::string(kind::kExString);
        case regtype::kDword: return std::string(kind::kDword);
        case regtype::kBinary: return std::string(kind::kBinary);
        default: return std::string(kind::kUnknown);
    }
}

std::vector<std::string> RegSubKeyNames(RegistryStore& store, RegRoot root, const std::string& keyPath) {
    const std::string path = StorePath(keyPath);
    if (!store.CanOpenKey(root, path, RegAccess::Full)) return {};
    return store.SubKeyNames(root, path);
}

void RegDeleteKeyTree(RegistryStore& store, RegRoot root, const std::string& keyPath) {
    const std::string path = StorePath(keyPath);
    if (path.empty() || !KeyExists(store, root, path)) return;
    // Deepest first; a key the account may not delete stays, and so do its parents.
    for (const auto& sub : store.SubKeyNames(root, path)) RegDeleteKeyTree(store, root, JoinKeyPath(path, sub));
    store.DeleteKey(root, path);
}

void RegMoveKey(RegistryStore& store, RegRoot root, const std::string& oldPath, const std::string& newPath) {
    const std::string from = StorePath(oldPath), to = StorePath(newPath);
    if (!KeyExists(store, root, from)) return;
    const auto refuse = [&](const char* message) { throw BriskoError(FormatUserMessage(message, RootName(root) + oldPath)); };
    if (!store.CanOpenKey(root, from, RegAccess::Full) || IsBelow(to, from))
        refuse("レジストリ キー %s の名前を変更できませんでした。\r\n元のキーはそのまま残っています。");
    // Both keys there: a move cut short, which is finished. Either the copy
    // was being made (it holds part of the old key) or the old key was being
    // deleted (the copy holds all of it). Two keys that are neither are
    // someone else's, and are left alone.
    if (KeyExists(store, root, to)) {
        const bool copied = WithinKeyTree(store, root, from, to);
        if (!copied && !WithinKeyTree(store, root, to, from))
            throw BriskoError("レジストリ キー " + RootName(root) + oldPath + " の名前を変更できませんでした。\r\n新しい名前のキー " +
                              RootName(root) + newPath + " が既にあり、内容が異なります。何も変更していません。");
        if (copied) {
            RegDeleteKeyTree(store, root, oldPath);
            if (KeyExists(store, root, from))
                refuse("レジストリ キー %s を削除できませんでした。\r\n同じ内容のキーが新しい名前でも作成されています。");
            return;
        }
    }
    // The old key goes only once a complete, identical copy stands under the new name.
    if (!CopyKeyTree(store, root, from, to) || !SameKeyTree(store, root, from, to)) {
        RegDeleteKeyTree(store, root, newPath);
        refuse("レジストリ キー %s の名前を変更できませんでした。\r\n元のキーはそのまま残っています。");
    }
    RegDeleteKeyTree(store, root, oldPath);
    if (KeyExists(store, root, from))
        refuse("レジストリ キー %s を削除できませんでした。\r\n同じ内容のキーが新しい名前でも作成されています。");
}

std::string FullKeyName(RegRoot root, const std::string& path) {
    return path.empty() ? RootName(root) : RootName(root) + "\\" + path;
}

bool RegExists(RegistryStore& store, RegRoot root, const std::string& keyPath, const std::string& name,
               std::string_view what) {
    const std::string path = StorePath(keyPath);
    if (!store.CanOpenKey(root, path, RegAccess::Full)) return false;
    if (what == "Key") {
        // Opening the subkey answers at once; the listing, which can run to
        // thousands of names under CLSID, is only needed for one that exists
        // but cannot be opened.
        if (!name.empty() && name.find('\\') == std::string::npos &&
            store.CanOpenKey(root, path.empty() ? name : path + "\\" + name, RegAccess::Query))
            return true;
        for (const auto& sub : store.SubKeyNames(root, path))
            if (text::RegistryNamesEqual(sub, name)) return true;
        return false;
    }
    if (what == "Value") return store.QueryValue(root, path, name, RegAccess::Full).has_value();
    return false;
}

}  // namespace brisko
