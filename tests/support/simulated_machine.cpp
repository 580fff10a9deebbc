#include "support/simulated_machine.h"

#include <algorithm>
#include <functional>
#include <map>

#include "platform/memory_file_system.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "support/test_data.h"

namespace brisko::testing {

const std::string kSimulatedSysoc = TestData("sysoc.inf", true);

std::string EditionTag(SimulatedWindows edition) {
    const char* const tags[] = {"XP", "2K", "NT4", "98"};
    return tags[static_cast<int>(edition)];
}

bool EditionListHolds(const std::string& tags, SimulatedWindows edition) {
    if (tags.empty()) return true;
    const std::string tag = EditionTag(edition);
    const bool nt = edition != SimulatedWindows::Win98;
    const bool nt5 = edition == SimulatedWindows::Xp || edition == SimulatedWindows::Win2000;
    for (size_t at = 0, end; at < tags.size(); at = end + 1) {
        end = std::min(tags.find(' ', at), tags.size());
        if (end == at) continue;
        const std::string t = tags.substr(at, end - at);
        if (t == tag || (t == "NT" && nt) || (t == "NT5" && nt5)) return true;
    }
    return false;
}

namespace {
// A quoted .reg string from `at` (just after its opening quote), unescaped;
// `at` ends past the closing quote.
std::string Quoted(const std::string& line, size_t& at) {
    std::string s;
    for (; at < line.size() && line[at] != '"'; ++at) s += line[at] == '\\' ? line[++at] : line[at];
    ++at;
    return s;
}

std::string Expanded(std::string s, const std::string& windows) {
    for (size_t at; (at = s.find("%WINDIR%")) != std::string::npos;) s.replace(at, 8, windows);
    return s;
}
}  // namespace

RegValueData StoredValue(const std::string& type, const std::string& cell) {
    const std::map<std::string, uint32_t> types = {{"None", regtype::kNone},   {"Sz", regtype::kSz},
                                                   {"ExpandSz", regtype::kExpandSz}, {"Binary", regtype::kBinary},
                                                   {"DWORD", regtype::kDword}, {"MultiSz", regtype::kMultiSz},
                                                   {"Qword", regtype::kQword}};
    const uint32_t t = types.count(type) ? types.at(type) : static_cast<uint32_t>(std::stoul(type, nullptr, 16));
    if (t != regtype::kSz && t != regtype::kExpandSz && t != regtype::kMultiSz) return {t, cell};
    std::string bytes;
    for (size_t at = 0, bar; !(t == regtype::kMultiSz && cell.empty()) && at <= cell.size(); at = bar + 1) {
        bar = std::min(cell.find('|', at), cell.size());
        bytes += EncodeRegString(cell.substr(at, bar - at));
    }
    return {t, t == regtype::kMultiSz ? bytes + std::string(2, '\0') : bytes};
}

bool SetRegLine(RegistryStore& r, RegRoot root, const std::string& key, const std::string& line) {
    size_t at = 1;
    const std::string name = line[0] == '@' ? "" : Quoted(line, at);
    if (at >= line.size() || line[at] != '=') return false;
    const std::string data = line.substr(at + 1), tag = data.substr(0, data.find(':'));
    if (data == "-") return r.DeleteValue(root, key, name), true;
    if (data.starts_with('"') || tag == "str(2)") {
        size_t from = data.find('"') + 1;
        return r.SetValue(root, key, name, {tag == "str(2)" ? regtype::kExpandSz : regtype::kSz, EncodeRegString(Quoted(data, from))});
    }
    std::string bytes;
    if (tag == "dword") {
        const uint32_t n = std::stoul(data.substr(6), nullptr, 16);
        bytes = {char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
    } else if (tag == "hex" || tag.starts_with("hex(")) {
        for (size_t i = tag.size() + 1; i + 1 < data.size(); i += 3) bytes += char(std::stoi(data.substr(i, 2), nullptr, 16));
    } else {
        return false;
    }
    const uint32_t type = tag == "dword" ? regtype::kDword : tag == "hex" ? regtype::kBinary : std::stoul(tag.substr(4), nullptr, 16);
    return r.SetValue(root, key, name, {type, bytes});
}

namespace {
// Walks the machine file: each key that holds on the edition (`valueLine`
// null), then each of its values. Values follow their key line until the next
// key line of any edition.
void ForEachEntry(SimulatedWindows edition,
                  const std::function<void(RegRoot, const std::string&, const std::string*)>& visit) {
    bool holds = false;
    RegRoot root = RegRoot::LocalMachine;
    std::string key;
    for (const auto& row : TestDataRows("machine.reg", ';')) {
        const std::string& line = row[0];
        if (line[0] != '[') {
            if (holds) visit(root, key, &line);
            continue;
        }
        const size_t close = line.find(']'), tags = line.find(';', close);
        holds = EditionListHolds(tags == std::string::npos ? "" : line.substr(tags + 1), edition);
        const std::string path = line.substr(1, close - 1), hive = path.substr(0, path.find('\\'));
        root = hive == "HKEY_LOCAL_MACHINE" ? RegRoot::LocalMachine
               : hive == "HKEY_CURRENT_USER" ? RegRoot::CurrentUser
                                             : RegRoot::ClassesRoot;
        key = path.substr(hive.size() + 1);
        if (holds) visit(root, key, nullptr);
    }
}
}  // namespace

std::vector<SimulatedKey> SimulatedKeys(SimulatedWindows edition) {
    std::vector<SimulatedKey> keys;
    ForEachEntry(edition, [&](RegRoot root, const std::string& key, const std::string* value) {
        if (!value) keys.push_back({root, key});
    });
    return keys;
}

void FillSimulatedMachine(SimulatedWindows edition, RegistryStore& r, MemorySystemInfo& system, FileSystem& files,
                          const std::string& drive) {
    const bool nt = edition != SimulatedWindows::Win98;
    const bool winnt = edition == SimulatedWindows::Win2000 || edition == SimulatedWindows::Nt4;
    const std::string windows = drive + (winnt ? "\\WINNT" : "\\WINDOWS");
    system.windowsDirectory = windows;
    const OsVersion versions[] = {{2, 5, 1}, {2, 5, 0}, {2, 4, 0}, {1, 4, 10}};
    system.version = versions[static_cast<int>(edition)];
    system.fixedDrives = "CD";
    system.otherDrives = "E";
    ForEachEntry(edition, [&](RegRoot root, const std::string& key, const std::string* value) {
        if (value) SetRegLine(r, root, key, Expanded(*value, winnt ? "C:\\WINNT" : "C:\\WINDOWS"));
        else r.CreateKey(root, key);
    });

    if (auto* memory = dynamic_cast<MemoryFileSystem*>(&files)) {
        for (const std::string& folder : {windows + "\\inf", windows + "\\System32", std::string("D:\\Data"),
                                          system.executablePath.substr(0, system.executablePath.rfind('\\')),
                                          system.currentDirectory})
            memory->AddFolder(folder);
    }
    if (nt) {
        files.WriteReplacing(windows + "\\inf\\sysoc.inf", text::Utf8ToCp932(kSimulatedSysoc));
        files.WriteReplacing(drive + "\\boot.ini", TestData("boot.ini", true));
        files.SetAttributes(drive + "\\boot.ini", fileattr::kHidden | fileattr::kSystem | fileattr::kReadOnly);
    } else {
        files.WriteReplacing(drive + "\\Msdos.sys", TestData("Msdos.sys", true));
    }
}

}  // namespace brisko::testing
