// Functions that map a text or a number to another, against the table of
// tests/data/function_cases.tsv: one row a call, its arguments and what it
// must give ("throws" for a refusal).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "backup/backup_file.h"
#include "backup/change_history.h"
#include "engine/pc_information.h"
#include "monitor/figures.h"
#include "monitor/memory_performance_source.h"
#include "monitor/monitor.h"
#include "platform/diagnostic_events.h"
#include "platform/error.h"
#include "platform/modern_windows.h"
#include "platform/os_edition.h"
#include "platform/text/case_fold.h"
#include "platform/text/cp932.h"
#include "platform/text/utf.h"
#include "platform/utilities.h"
#include "prefs/appearance.h"
#include "prefs/boolean_text.h"
#include "prefs/colour_text.h"
#include "prefs/preference_keys.h"
#include "prefs/preferences.h"
#include "support/memory_context.h"
#include "support/test_data.h"
#include "ui/reference_links.h"
#include "ui/utility_commands.h"
#include "ui/web_search.h"

namespace brisko {
namespace {

using Args = std::vector<std::string>;

int64_t I(const std::string& s) { return std::stoll(s, nullptr, 0); }
uint64_t U(const std::string& s) { return std::stoull(s, nullptr, 0); }
std::string S(int64_t n) { return std::to_string(n); }
std::string S(bool b) { return b ? "true" : "false"; }
std::string S(const std::optional<int>& n) { return n ? S(int64_t{*n}) : "none"; }
std::string S(const monitor::Label& l) { return l.c_str(); }
std::string S(const monitor::Amount& a) { return S(a.totalMb) + "/" + S(a.freeMb) + "/" + S(int64_t{a.use}); }
unsigned N(const std::string& s) { return static_cast<unsigned>(U(s)); }
std::string S(const EventParse& p) {
    std::string out;
    for (const DiagnosticEvent& e : p.events) {
        out += S(int64_t{e.id}) + " " + TimeStamp(e.time) + " ";
        if (e.id == kStartEvent) out += S(e.mainPathMs) + "/" + S(e.postBootMs) + (e.afterInstall ? " install" : "");
        else if (e.id == kShutdownEvent) out += S(e.shutdownMs);
        else out += e.name + "/" + e.friendlyName + " " + S(e.degradationMs) + "/" + S(e.totalMs);
        out += "; ";
    }
    return out + "unreadable " + S(int64_t(p.unreadable)) + (p.problem.empty() ? "" : ": " + p.problem);
}

// A utilities page button (edition, button, the drive chosen, the answer to
// its question): what it starts, or else the messages it shows.
std::string Utility(const Args& a) {
    const char* const names[] = {"WMP6", "Net", "MS", "IP", "Group", "Reg", "DiskMgmt", "Format", "CUIDefrag", "Convert"};
    testing::MemoryContext m;
    m.ctx.os = {a[0] == "98" ? "9x" : "NT", a[0]};
    m.system.fileSystems['D'] = "NTFS";
    m.prompts.AnswerNext(a[3] == "yes");
    const std::string drive = a[2] == "-" ? "" : a[2] + " ドライブ";
    const auto button = UtilityButton(std::find(names, names + 10, a[1]) - names);
    if (a[3] == "missing") m.processes.missing.insert(UtilityProgram(button, m.ctx.os));
    UtilityButtonClick(m.ctx, button, {false, drive, drive}, {});
    std::string out;
    for (const auto& call : m.processes.calls) out += (out.empty() ? "" : " ; ") + call;
    for (const auto& shown : m.prompts.shown)
        if (m.processes.calls.empty())
            out += std::string(PromptCaption(shown.kind)) + ": " +
                   (shown.text == kNoDriveChosenMessage ? "no drive" : shown.text == kConvertQuestion ? "convert?" : shown.text);
    return out;
}

const std::map<std::string, std::function<std::string(const Args&)>> kCalls = {
    {"Utf8ToCp932", [](const Args& a) { return text::Utf8ToCp932(a[0]); }},
    {"Cp932ToUtf8", [](const Args& a) { return text::Cp932ToUtf8(a[0]); }},
    {"Cp932Length", [](const Args& a) { return S(int64_t(text::Cp932Length(a[0]))); }},
    {"Utf8ToCodePoints", [](const Args& a) {
         std::string out;
         for (char32_t c : text::Utf8ToCodePoints(a[0])) out += (out.empty() ? "" : " ") + S(int64_t{c});
         return out;
     }},
    {"RegistryNamesEqual", [](const Args& a) { return S(text::RegistryNamesEqual(a[0], a[1])); }},
    {"AsciiNamesEqual", [](const Args& a) { return S(text::AsciiNamesEqual(a[0], a[1])); }},
    {"HexTextToInt", [](const Args& a) { return S(int64_t{HexTextToInt(a[0])}); }},
    {"FormatHex8", [](const Args& a) { return FormatHex8(N(a[0])); }},
    {"ContainsAnyChar", [](const Args& a) { return S(ContainsAnyChar(a[0], a[1])); }},
    {"TextToBoolLenient", [](const Args& a) { return S(TextToBoolLenient(a[0])); }},
    {"ClassifyOsEdition", [](const Args& a) {
         const OsEdition e = ClassifyOsEdition({N(a[0]), N(a[1]), N(a[2])}).edition;
         return e.family + "/" + e.edition;
     }},
    {"WindowsName", [](const Args& a) { return WindowsName(WindowsBuild{N(a[0]), N(a[1]), N(a[2])}); }},
    {"RoundHalfEven", [](const Args& a) { return S(monitor::RoundHalfEven(std::stod(a[0]))); }},
    {"Megabytes", [](const Args& a) { return S(monitor::Megabytes(std::stod(a[0]))); }},
    {"OctetRate", [](const Args& a) { return S(monitor::OctetRate(N(a[0]), N(a[1]))); }},
    {"FormatGrouped", [](const Args& a) {
         return S(monitor::FormatGrouped(I(a[0]), a[1].c_str(), a.size() > 2 ? a[2][0] : ','));
     }},
    {"FormatPlain", [](const Args& a) { return S(monitor::FormatPlain(I(a[0]), a[1].c_str())); }},
    {"RateLabel", [](const Args& a) { return S(monitor::RateLabel(I(a[0]), a.size() > 1 ? a[1][0] : ',')); }},
    {"MemoryFigures", [](const Args& a) {
         const auto f = monitor::ComputeMemoryFigures({N(a[0]), U(a[1]), U(a[2]), U(a[3]), U(a[4]), U(a[5]), U(a[6])});
         return S(f.physical) + " " + S(f.pageFile) + " " + S(f.virtualMemory);
     }},
    {"DriveFigures", [](const Args& a) { return S(monitor::ComputeDriveFigures({I(a[0]), I(a[1])})); }},
    {"ProcessorChoices", [](const Args& a) {
         monitor::MemoryPerformanceSource source;
         source.performanceData = monitor::MakeProcessorBlock(std::vector<int64_t>(N(a[1])), {2024, 5, 1, 10, 0, 0, 0});
         monitor::Monitor monitor(source, a[0] == "98" ? OsEdition{"9x", "98"} : OsEdition{"NT", "XP"});
         std::string out;
         for (const auto& entry : monitor.FillChoices("").processors) out += entry + ", ";
         return out + (source.queries ? "asked" : "not asked");
     }},
    {"PercentEncode", [](const Args& a) { return ui::PercentEncode(a[0]); }},
    {"SearchMenuCaption", [](const Args& a) { return ui::SearchMenuCaption(a[0]); }},
    {"HelpFileUrl", [](const Args& a) { return ui::HelpFileUrl(a[0], a[1]); }},
    {"PreferencesFilePath", [](const Args& a) { return PreferencesFilePath(a[0]); }},
    {"TransparencyFromText", [](const Args& a) { return S(TransparencyFromText(a[0])); }},
    {"ColourText", [](const Args& a) {
         const auto colour = TextToColor(a[0]);
         return colour ? FormatHex8(uint32_t(*colour)) + " " + ColorToText(*colour) : "none";
     }},
    {"StoredSetting", [](const Args& a) {
         testing::MemoryContext m;
         m.files.AddFolder("C:\\B");
         Preferences prefs(m.files, "C:\\B\\Brisko.ini");
         prefs.Write(prefkey::kSettings, a[0], a[1]);
         if (a[0] == "ShowTab") return S(prefs.ShowTab());
         return S(a[0] == "FontSize" ? prefs.FontSize() : prefs.TransparencyAlpha());
     }},
    {"StoredAppearance", [](const Args& a) {
         testing::MemoryContext m;
         m.files.AddFolder("C:\\B");
         m.files.AddFile("C:\\B\\Brisko.ini", text::Utf8ToCp932("[環境設定]\r\n" + a[0]));
         const StoredAppearance s = ReadStoredAppearance(Preferences(m.files, "C:\\B\\Brisko.ini"));
         std::string out;
         for (const auto& c : s.panelColours) out += (c ? FormatHex8(uint32_t(*c)) : "none") + " ";
         return out + (s.pageStyle ? S(int64_t(*s.pageStyle)) : "none") + " " + S(s.alpha);
     }},
    {"RoundToNearestEven", [](const Args& a) { return std::to_string(RoundToNearestEven(U(a[0]), U(a[1]))); }},
    {"ConversionSpaceEstimate", [](const Args& a) { return std::to_string(ConversionSpaceEstimate(U(a[0]), U(a[1]))); }},
    {"PlaceholderFits", [](const Args& a) { return S(PlaceholderFits(U(a[0]), U(a[1]))); }},
    {"UtilityButtonClick", Utility},
    {"CheckPcNames", [](const Args& a) {
         const auto refusal = CheckPcNames({a[0], a[1], a[2]});
         return refusal ? std::string(PromptCaption(refusal->kind)) : "none";
     }},
    {"BackupFileName", [](const Args& a) {
         return BackupFileName({int(I(a[0])), int(I(a[1])), int(I(a[2])), int(I(a[3])), int(I(a[4])), int(I(a[5]))});
     }},
    {"ParseDiagnosticEvents", [](const Args& a) { return S(ParseDiagnosticEvents(a[0])); }},
    {"ShiftedTime", [](const Args& a) {
         const auto t = ParseTimeStamp(a[0]);
         return t ? TimeStamp(ShiftedTime(*t, I(a[1]))) : "none";
     }},
    {"ParseHistory", [](const Args& a) {
         const auto records = ParseHistory(a[0]);
         return S(int64_t(records.size())) + "/" + S(int64_t(records.empty() ? 0 : records[0].items.size()));
     }},
};

TEST(FunctionCases, EveryRowGivesItsResult) {
    std::map<std::string, int> rows;
    for (auto row : testing::TestDataRows("function_cases.tsv")) {
        for (auto& cell : row) cell = testing::Unescaped(cell);
        const auto call = kCalls.find(row[0]);
        ASSERT_NE(call, kCalls.end()) << "no function " << row[0];
        const Args args(row.begin() + 1, row.end() - 1);
        std::string got, shown;
        try {
            got = call->second(args);
        } catch (const BriskoError&) {
            got = "throws";
        }
        for (const auto& a : args) shown += (shown.empty() ? "" : ", ") + ("\"" + a + "\"");
        EXPECT_EQ(got, row.back()) << row[0] << "(" << shown << ")";
        ++rows[row[0]];
    }
    EXPECT_EQ(rows.size(), kCalls.size()) << "a function without a row";
}

}  // namespace
}  // namespace brisko
