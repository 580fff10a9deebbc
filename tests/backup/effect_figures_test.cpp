// Windows' start and shutdown times around each change, as /effect prints
// them, on a simulated XP whose event records come from memory: the rows of
// tests/data/effect_cases.tsv, and the recorded event set of
// tests/data/diagnostic_events.xml.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "backup/backup_file.h"
#include "backup/effect_report.h"
#include "startup/effect_command.h"
#include "startup/silent_run.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

struct EffectMachine : testing::SimulatedContext {
    EffectMachine() : SimulatedContext(testing::SimulatedWindows::Xp) {
        ctx.UseEffectSource(source);
        ctx.paths.executable = system.ExecutablePath();
        files.AddFolder(BackupsFolder(ctx));
    }
    void Change(const std::string& when, int items) {
        HistoryRecord r{when, "高速化", "", "", "", {}, "", "", HistoryRecord::Stage::Whole, ""};
        for (int i = 1; i <= items; ++i) r.items.push_back({"[システム] 項目 " + std::to_string(i), {{"HKEY_X\\v", "0", "1", ""}}, ""});
        AppendHistoryRecord(files, HistoryLogPath(BackupsFolder(ctx)), r);
    }
    MemoryEffectSource source;
};

// A timeline of the table, one hour a token from 2026-01-01 00:00: sM/P a
// start (main path and after-desktop seconds; "i" right after an
// installation), dS a shutdown, cN a change writing N items, ID:name:friendly:S
// a slow starter ("_" a blank), "bad" an event that cannot be read, "none" a
// Windows without records; "*N" repeats a token.
void Play(EffectMachine& m, const std::string& timeline) {
    std::istringstream in(timeline);
    LocalTime at{2026, 1, 1, 0, 0, 0};
    for (std::string token; in >> token;) {
        const size_t star = token.find('*');
        const int times = star == std::string::npos ? 1 : std::stoi(token.substr(star + 1));
        token = token.substr(0, star);
        for (int n = 0; n < times; ++n, at = ShiftedTime(at, 60)) {
            DiagnosticEvent e;
            e.time = at;
            if (token == "none") m.source.available = false;
            else if (token == "bad") m.source.rendered.push_back("<Event><System><EventID>100</EventID></System></Event>");
            else if (token[0] == 'c') m.Change(TimeStamp(at), std::stoi(token.substr(1)));
            else if (token[0] == 'd') {
                e.id = kShutdownEvent;
                e.shutdownMs = std::stoll(token.substr(1)) * 1000;
                m.source.events.push_back(e);
            } else if (token[0] == 's') {
                e.id = kStartEvent;
                e.mainPathMs = std::stoll(token.substr(1)) * 1000;
                e.postBootMs = std::stoll(token.substr(token.find('/') + 1)) * 1000;
                e.afterInstall = token.back() == 'i';
                m.source.events.push_back(e);
            } else {
                std::vector<std::string> part;
                std::istringstream fields(token);
                for (std::string f; std::getline(fields, f, ':');) part.push_back(f);
                for (auto& f : part) std::replace(f.begin(), f.end(), '_', ' ');
                e.id = std::stoi(part[0]);
                e.name = part[1];
                e.friendlyName = part[2];
                e.degradationMs = std::stoll(part[3]) * 1000;
                m.source.events.push_back(e);
            }
        }
    }
    std::reverse(m.source.events.begin(), m.source.events.end());  // newest first, as Windows gives them
}

std::string Trimmed(const std::string& line) { return line.substr(std::min(line.find_first_not_of(' '), line.size())); }

TEST(EffectCases, EveryRowPrintsItsLines) {
    for (const auto& row : testing::TestDataRows("effect_cases.tsv")) {
        SCOPED_TRACE(row[0]);
        EffectMachine m;
        Play(m, row[2]);
        CommandLog log;
        EXPECT_EQ(ShowEffect(m.ctx, row[1] == "csv", log), std::stoi(row[3]));
        std::vector<std::string> lines;
        for (const auto& line : log.Lines()) lines.push_back(Trimmed(line));
        std::istringstream expected(row[4]);
        for (std::string want; std::getline(expected, want, '|');) {
            want = Trimmed(want.substr(0, want.find_last_not_of(' ') + 1));
            if (want == "services unread") EXPECT_FALSE(m.ctx.items.ServicesRead());
            else if (want.starts_with("!")) EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
                                                           return l.starts_with(want.substr(1));
                                                       }), 0) << want;
            else EXPECT_TRUE(std::find(lines.begin(), lines.end(), want) != lines.end()) << want;
        }
    }
}

// An export of a simulated Windows 10 in Japan, read as the Windows source
// reads what it renders, with the two changes made around it.
TEST(EffectCases, TheRecordedEventSetGivesItsFigures) {
    EffectMachine m;
    m.source.rendered = {testing::TestData("diagnostic_events.xml")};
    m.source.utcOffsetMinutes = 9 * 60;
    m.Change("2026-10-13 21:00:00", 3);
    m.Change("2026-10-25 20:00:00", 1);
    const EffectFigures f = ReadEffectFigures(m.ctx);
    EXPECT_EQ(f.starts.size(), 33u);
    EXPECT_EQ(f.afterInstall, 1u);
    EXPECT_EQ(f.shutdowns, 33u);
    EXPECT_EQ(f.unreadable, 0u);
    EXPECT_EQ(TimeStamp(f.starts.front().time), "2026-10-01 07:38:21") << "UTC moved to local time";
    ASSERT_EQ(f.changes.size(), 2u);
    EXPECT_EQ(f.changes[0].position, 13u);
    EXPECT_TRUE(f.changes[0].mainPath.Measured());
    EXPECT_LT(f.changes[0].mainPath.DifferenceSeconds(), -4);
    EXPECT_TRUE(f.changes[0].updateAfter);
    EXPECT_EQ(f.changes[0].laterChange, "");
    EXPECT_EQ(f.changes[1].mainPath.after, 9u);
    ASSERT_FALSE(f.slowest.empty());
    const auto audio = std::find_if(f.slowest.begin(), f.slowest.end(), [](const SlowStarter& s) { return s.name == "AudioSrv"; });
    ASSERT_NE(audio, f.slowest.end());
    EXPECT_EQ(audio->times, 4u);
    EXPECT_EQ(audio->serviceEntry, "Windows Audio");
}

}  // namespace
}  // namespace brisko
