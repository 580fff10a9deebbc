// The 効果 page's work on a simulated source: reading 1 000 rendered events
// (each as EvtRender gives it, with every field Windows writes) and
// computing the figures around 20 changes, against the same for the 500
// events the program reads.
// Prints the median of many runs of each, their ratio, and where the time of
// the 1 000 goes (reading against computing).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "backup/effect_figures.h"

using namespace brisko;

namespace {

std::string Data(const std::string& name, const std::string& value) {
    return "<Data Name='" + name + "'>" + value + "</Data>";
}

std::string Zulu(const LocalTime& t) {
    std::string s = TimeStamp(t);
    s[10] = 'T';
    return s + ".123456700Z";
}

std::string Event(int id, const LocalTime& t, const std::string& data) {
    return "<Event xmlns='http://schemas.microsoft.com/win/2004/08/events/event'><System><Provider "
           "Name='Microsoft-Windows-Diagnostics-Performance' Guid='{CFC18EC0-96B1-4EBA-961B-622CAEE05B0A}'/><EventID>" +
           std::to_string(id) +
           "</EventID><Version>2</Version><Level>2</Level><Task>4002</Task><Opcode>34</Opcode><Keywords>"
           "0x8000000000010000</Keywords><TimeCreated SystemTime='" + Zulu(ShiftedTime(t, 2)) +
           "'/><EventRecordID>1234</EventRecordID><Correlation ActivityID='{374379D5-B86C-0000-F34B-097DAB81FE96}'/>"
           "<Execution ProcessID='2013' ThreadID='1808'/><Channel>Microsoft-Windows-Diagnostics-Performance/"
           "Operational</Channel><Computer>DESKTOP-BRISKO</Computer><Security UserID='S-1-5-19'/></System><EventData>" +
           data + "</EventData></Event>";
}

// A start with all of its 44 values, a shutdown with its 17, a slow starter with its 15.
std::string Start(const LocalTime& t, int i) {
    std::string d = Data("BootTsVersion", "2") + Data("BootStartTime", Zulu(t)) + Data("BootEndTime", Zulu(t));
    for (const char* name : {"SystemBootInstance", "UserBootInstance"}) d += Data(name, std::to_string(i));
    d += Data("BootTime", std::to_string(40000 + i % 9 * 1000)) + Data("MainPathBootTime", std::to_string(28000 + i % 7 * 1000));
    for (const char* name : {"BootKernelInitTime", "BootDriverInitTime", "BootDevicesInitTime", "BootPrefetchInitTime",
                             "BootPrefetchBytes", "BootAutoChkTime", "BootSmssInitTime", "BootCriticalServicesInitTime",
                             "BootUserProfileProcessingTime", "BootMachineProfileProcessingTime", "BootExplorerInitTime",
                             "BootNumStartupApps"})
        d += Data(name, std::to_string(100 + i % 50));
    d += Data("BootPostBootTime", std::to_string(12000 + i % 5 * 1000)) +
         Data("BootIsRebootAfterInstall", i % 37 == 0 ? "true" : "false");
    for (const char* name : {"BootRootCauseStepImprovementBits", "BootRootCauseGradualImprovementBits",
                             "BootRootCauseStepDegradationBits", "BootRootCauseGradualDegradationBits"})
        d += Data(name, "0");
    for (const char* name : {"BootIsDegradation", "BootIsStepDegradation", "BootIsGradualDegradation"}) d += Data(name, "false");
    for (const char* name : {"BootImprovementDelta", "BootDegradationDelta"}) d += Data(name, "0");
    d += Data("BootIsRootCauseIdentified", "false");
    for (const char* name : {"OSLoaderDuration", "BootPNPInitStartTimeMS", "BootPNPInitDuration", "OtherKernelInitDuration",
                             "SystemPNPInitStartTimeMS", "SystemPNPInitDuration", "SessionInitStartTimeMS",
                             "Session0InitDuration", "Session1InitDuration", "SessionInitOtherDuration",
                             "WinLogonStartTimeMS", "OtherLogonInitActivityDuration", "UserLogonWaitDuration"})
        d += Data(name, std::to_string(500 + i % 300));
    return Event(kStartEvent, t, d);
}

std::string Shutdown(const LocalTime& t, int i) {
    std::string d = Data("ShutdownTsVersion", "1") + Data("ShutdownStartTime", Zulu(t)) + Data("ShutdownEndTime", Zulu(t)) +
                    Data("ShutdownTime", std::to_string(9000 + i % 11 * 500));
    for (const char* name : {"ShutdownUserSessionTime", "ShutdownUserPolicyTime", "ShutdownUserProfilesTime",
                             "ShutdownSystemSessionsTime", "ShutdownPreShutdownNotificationsTime", "ShutdownServicesTime",
                             "ShutdownKernelTime", "ShutdownRootCauseStepImprovementBits",
                             "ShutdownRootCauseGradualImprovementBits", "ShutdownRootCauseStepDegradationBits",
                             "ShutdownRootCauseGradualDegradationBits"})
        d += Data(name, std::to_string(i % 900));
    return Event(kShutdownEvent, t, d + Data("ShutdownIsDegradation", "false") + Data("ShutdownTimeChange", "0"));
}

std::string Slow(const LocalTime& t, int i) {
    static const int kIds[] = {kSlowApplication, kSlowDriver, kSlowService, kSlowDevice};
    const std::string name = "Starter" + std::to_string(i % 23) + ".exe", friendly = "Slow starter " + std::to_string(i % 23);
    const std::string d = Data("StartTime", Zulu(t)) + Data("NameLength", std::to_string(name.size())) + Data("Name", name) +
                          Data("FriendlyNameLength", std::to_string(friendly.size())) + Data("FriendlyName", friendly) +
                          Data("VersionLength", "10") + Data("Version", "10.0.19041") + Data("TotalTime", "9000") +
                          Data("DegradationTime", std::to_string(3000 + i % 13 * 400)) + Data("PathLength", "40") +
                          Data("Path", "C:\\Program Files\\Slow\\" + name) + Data("ProductNameLength", "4") +
                          Data("ProductName", "Slow") + Data("CompanyNameLength", "5") + Data("CompanyName", "Maker");
    return Event(kIds[i % 4], t, d);
}

// `count` rendered events, newest first: a day's start and the shutdown
// before it, and every third day a slow starter.
std::vector<std::string> Rendered(int count) {
    std::vector<std::string> events;
    for (int day = 0; static_cast<int>(events.size()) < count; ++day) {
        const LocalTime t = ShiftedTime({2024, 1, 1, 8, 0, 0}, day * 1440);
        events.push_back(Shutdown(ShiftedTime(t, -600), day));
        if (static_cast<int>(events.size()) < count) events.push_back(Start(t, day));
        if (day % 3 == 0 && static_cast<int>(events.size()) < count) events.push_back(Slow(ShiftedTime(t, 3), day));
    }
    std::reverse(events.begin(), events.end());
    return events;
}

std::vector<HistoryRecord> Changes(int days) {
    std::vector<HistoryRecord> history;
    for (int i = 0; i < 20; ++i)
        history.push_back({TimeStamp(ShiftedTime({2024, 1, 1, 20, 0, 0}, (i * days / 20) * 1440)), "高速化", "", "", "",
                           {{"[システム] 項目", {{"v", "0", "1", ""}}, ""}}});
    return history;
}

struct Times {
    double readMs, computeMs;
};

Times Median(int count, int runs, size_t& sink) {
    MemoryEffectSource source;
    source.rendered = Rendered(count);
    source.utcOffsetMinutes = 540;
    const auto history = Changes(count * 3 / 7);
    std::vector<double> read, compute;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const EffectReading reading = source.Read(static_cast<size_t>(count));
        const auto between = std::chrono::steady_clock::now();
        const EffectFigures f = ComputeEffect(reading, history, {});
        const auto end = std::chrono::steady_clock::now();
        sink += f.starts.size() + f.changes.size() + reading.unreadable;
        read.push_back(std::chrono::duration<double, std::milli>(between - start).count());
        compute.push_back(std::chrono::duration<double, std::milli>(end - between).count());
    }
    std::nth_element(read.begin(), read.begin() + runs / 2, read.end());
    std::nth_element(compute.begin(), compute.begin() + runs / 2, compute.end());
    return {read[runs / 2], compute[runs / 2]};
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::stoi(argv[1]) : 51;
    size_t sink = 0;
    const Times small = Median(static_cast<int>(kNewestEvents), runs, sink), large = Median(1000, runs, sink);
    const double smallMs = small.readMs + small.computeMs, largeMs = large.readMs + large.computeMs;
    std::printf("effect figures, %zu rendered events read and computed\t%.2f ms\n", kNewestEvents, smallMs);
    std::printf("effect figures, 1000 rendered events read and computed\t%.2f ms (%s the 200 ms bound)\n", largeMs,
                largeMs < 200 ? "under" : "OVER");
    std::printf("ratio 1000 / %zu events\t%.2fx\n", kNewestEvents, largeMs / smallMs);
    std::printf("of the 1000: reading %.2f ms, computing %.2f ms\n", large.readMs, large.computeMs);
    return sink == 0 ? 1 : 0;
}
