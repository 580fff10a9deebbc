// Figures measured under Wine, each against its alternative in the same run:
//   services  the services step of detection: one enumeration of the service
//             manager against one query per service, over the prefix's
//             services and 200 more that the benchmark creates and removes;
//   backup    one backup written whole against the same entries written one
//             by one with WritePrivateProfileStringW;
//   apply     the accelerate flow changing every enabled item (automatic
//             backup, apply pass, read-back), nothing started meanwhile.
// Prints one tab-separated line per figure.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "backup/backup_entries.h"
#include "backup/backup_file.h"
#include "backup/accelerate_flow.h"
#include "engine/item_passes.h"
#include "engine/services.h"
#include "platform/embedded_text_resources.h"
#include "platform/recording_process_launcher.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry_store.h"
#include "platform/win32/win32_service_manager.h"
#include "platform/win32/win32_system_info.h"
#include "startup/startup_sequence.h"

using namespace brisko;

namespace {

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Says yes to the accelerate question and no to a restart; tells nothing.
class AutoPrompts final : public Prompts {
public:
    bool Confirm(const std::string& text) override { return text.find("再起動") == std::string::npos; }
    void Inform(const std::string&) override {}
    void Warn(const std::string& text) override { std::fprintf(stderr, "warning: %s\n", text.c_str()); }
    void Error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
};

struct Backends {
    win32::Win32RegistryStore registry;
    win32::Win32FileSystem files;
    RecordingProcessLauncher processes{files, "C:\\bench-launches.log"};
    AutoPrompts prompts;
    EmbeddedTextResources resources;
    win32::Win32SystemInfo system;
    win32::Win32ServiceManager services;
    win32::Win32Clock clock;
    ProgramContext ctx{Platform{registry, files, processes, prompts, resources, system, services, clock}};
};

// 200 demand-start services that never run, removed again at the end.
class ExtraServices {
public:
    explicit ExtraServices(int count) : manager_(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)) {
        if (!manager_) return;
        for (int i = 0; i < count; ++i) {
            const std::wstring name = L"BriskoBench" + std::to_wstring(i);
            SC_HANDLE s = CreateServiceW(manager_, name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                                         SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                                         L"C:\\windows\\system32\\notepad.exe", nullptr, nullptr, nullptr, nullptr,
                                         nullptr);
            if (s) {
                created_.push_back(name);
                CloseServiceHandle(s);
            }
        }
    }
    ~ExtraServices() {
        for (const auto& name : created_)
            if (SC_HANDLE s = OpenServiceW(manager_, name.c_str(), DELETE)) {
                DeleteService(s);
                CloseServiceHandle(s);
            }
        if (manager_) CloseServiceHandle(manager_);
    }
    size_t Count() const { return created_.size(); }

private:
    SC_HANDLE manager_;
    std::vector<std::wstring> created_;
};

void ServicesFigure(Backends& b) {
    ExtraServices extra(200);
    const auto listed = ListServices(b.ctx);
    std::vector<double> enumerated, queried;
    size_t stoppedA = 0, stoppedB = 0;
    for (int run = 0; run < 5; ++run) {
        enumerated.push_back(Milliseconds([&] {
            const auto states = b.services.EnumerateStates();
            stoppedA = states ? std::count_if(states->begin(), states->end(),
                                              [](const auto& s) { return s.second == ServiceState::Stopped; })
                              : 0;
        }));
        queried.push_back(Milliseconds([&] {
            stoppedB = 0;
            for (const auto& s : listed) stoppedB += b.services.QueryState(s.keyName) == ServiceState::Stopped;
        }));
    }
    const double one = Median(enumerated), each = Median(queried);
    std::printf("services\t%zu listed (%zu made by the benchmark)\tone enumeration %.2f ms\tone query per service "
                "%.2f ms\tratio %.1fx\n",
                listed.size(), extra.Count(), one, each, each / one);
    std::printf("services\tthe whole services step of detection (list, enumerate, sort): %.2f ms\n",
                Milliseconds([&] { FillServiceList(b.ctx); }));
    // The page lists only what the manager lets the program stop and change:
    // what asking it, service by service, adds to the listing.
    std::vector<double> listing, asking;
    for (int run = 0; run < 5; ++run) {
        listing.push_back(Milliseconds([&] { ListServices(b.ctx); }));
        asking.push_back(Milliseconds([&] {
            for (const auto& s : listed) b.services.Access(s.keyName);
        }));
    }
    std::printf("services\tlisting them %.2f ms, of which asking the manager whether each may be stopped and "
                "changed %.2f ms (%.0f %%)\n",
                Median(listing), Median(asking), 100 * Median(asking) / Median(listing));
}

// Every (section, key, value) of a profile file, as the system reads it.
std::vector<std::tuple<std::wstring, std::wstring, std::wstring>> ProfileEntries(const std::wstring& path) {
    std::vector<std::tuple<std::wstring, std::wstring, std::wstring>> entries;
    std::vector<wchar_t> names(1 << 16), lines(1 << 20);
    GetPrivateProfileSectionNamesW(names.data(), static_cast<DWORD>(names.size()), path.c_str());
    for (const wchar_t* section = names.data(); *section; section += wcslen(section) + 1) {
        GetPrivateProfileSectionW(section, lines.data(), static_cast<DWORD>(lines.size()), path.c_str());
        for (const wchar_t* line = lines.data(); *line; line += wcslen(line) + 1) {
            const std::wstring text = line;
            const size_t eq = text.find(L'=');
            if (eq != std::wstring::npos) entries.emplace_back(section, text.substr(0, eq), text.substr(eq + 1));
        }
    }
    return entries;
}

void BackupFigure(Backends& b) {
    const std::string whole = "C:\\bench-backup-whole.ini";
    const std::wstring single = L"C:\\bench-backup-single.ini";
    const std::wstring plain = L"C:\\bench-backup-plain.ini";
    std::vector<double> recordTimes, wholeTimes, plainTimes, singleTimes;
    size_t entries = 0;
    for (int run = 0; run < 5; ++run) {
        // Recording reads the machine; the write itself is one file replaced.
        recordTimes.push_back(Milliseconds([&] { WriteBackupFile(b.ctx, whole); }));
        const std::string bytes = b.files.ReadFile(whole).value_or("");
        wholeTimes.push_back(Milliseconds([&] { b.files.WriteReplacing(whole, bytes); }));
        // The same bytes without what makes the write safe (the flush to disk
        // and the replacing move): what the whole write costs apart from them.
        plainTimes.push_back(Milliseconds([&] {
            HANDLE file = CreateFileW(plain.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr);
            DWORD written = 0;
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(file);
        }));
        // The same sections, keys and values, one call each.
        const auto written = ProfileEntries(win32::Widen(whole));
        DeleteFileW(single.c_str());
        entries = written.size();
        singleTimes.push_back(Milliseconds([&] {
            for (const auto& [section, key, value] : written)
                WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), single.c_str());
        }));
    }
    const double one = Median(wholeTimes), each = Median(singleTimes);
    std::printf("backup\t%zu entries\twritten whole %.2f ms\tone WritePrivateProfileStringW each %.2f ms\tratio "
                "%.1fx\n",
                entries, one, each, each / one);
    const double bare = Median(plainTimes);
    std::printf("backup\tthe same bytes without flush and replace %.2f ms\tratio %.1fx\t(flush and replace take "
                "%.2f ms of the whole write)\n",
                bare, each / bare, one - bare);
    std::printf("backup\trecording the entries from the machine and writing them (WriteBackupFile): %.2f ms\n",
                Median(recordTimes));
    b.files.RemoveFile(whole);
    DeleteFileW(single.c_str());
    DeleteFileW(plain.c_str());
}

void ApplyFigure(Backends& b) {
    int changed = 0;
    for (TweakCategory c : kSettingCategories)
        for (auto& entry : b.ctx.items.List(c))
            if (entry.enabled) {
                entry.ticked = !entry.ticked;
                ++changed;
            }
    const double ms = Milliseconds([&] { BtnAccelerateClick(b.ctx); });
    std::printf("apply\t%d items changed\taccelerate flow (backup, apply, read-back) %.1f ms\n", changed, ms);
}

// Where the apply figure's time goes: the backup, then each item on its own
// (its tick flipped back, applied alone, read back).
void ApplyProfile(Backends& b) {
    std::printf("apply profile\tautomatic backup %.1f ms\n", Milliseconds([&] { CreateBackup(b.ctx, true); }));
    std::vector<std::pair<double, std::string>> rows;
    for (const auto& entry : BackupEntries()) {
        std::string first;
        const double ms = Milliseconds([&] {
            entry.record(b.ctx, [&](const std::string& section, const std::string& key, const std::string&) {
                if (first.empty()) first = "[" + section + "] " + key;
            });
        });
        rows.emplace_back(ms, first);
    }
    std::sort(rows.rbegin(), rows.rend());
    for (size_t i = 0; i < rows.size() && i < 6; ++i)
        std::printf("apply profile\t  backup row %7.1f ms  %s\n", rows[i].first, rows[i].second.c_str());
    std::vector<std::pair<double, std::string>> items;
    for (TweakCategory c : kSettingCategories)
        for (auto& entry : b.ctx.items.List(c)) {
            if (!entry.enabled) continue;
            entry.ticked = !entry.ticked;
            items.emplace_back(Milliseconds([&] { ApplyItemStates(b.ctx); }), entry.label);
        }
    std::sort(items.rbegin(), items.rend());
    double total = 0;
    for (const auto& item : items) total += item.first;
    std::printf("apply profile\tall %zu items one by one %.1f ms; the slowest:\n", items.size(), total);
    for (size_t i = 0; i < items.size() && i < 8; ++i)
        std::printf("apply profile\t  %7.1f ms  %s\n", items[i].first, items[i].second.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    Backends b;
    const double startup = Milliseconds([&] { RunStartupSequence(b.ctx); });
    if (only == "startup-profile") {
        std::printf("start-up profile\tthe start-up sequence (paths, fix-ups, detection of %zu services) %.1f ms\n",
                    b.ctx.items.List(TweakCategory::Service).size(), startup);
        Backends again;
        std::printf("start-up profile\tthe same again, warm %.1f ms\n", Milliseconds([&] { RunStartupSequence(again.ctx); }));
        std::printf("start-up profile\t  of which listing the services %.1f ms\n",
                    Milliseconds([&] { ListServices(again.ctx); }));
        return 0;
    }
    if (only.empty() || only == "services") ServicesFigure(b);
    if (only.empty() || only == "backup") BackupFigure(b);
    if (only.empty() || only == "apply") ApplyFigure(b);
    if (only == "apply-profile") ApplyProfile(b);
    return 0;
}
