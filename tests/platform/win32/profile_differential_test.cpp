// The profile engine against the system's own profile functions: the same
// operations on two copies of a file, every value read compared, and the
// resulting file bytes compared, over the case table the host runs too
// (tests/data/profile_cases.tsv). Where Wine is known to differ from
// Windows, the case says so; the host run checks what Windows does.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "platform/profile/profile_file.h"
#include "platform/text/cp932.h"
#include "platform/win32/wide.h"
#include "support/backends.h"
#include "support/profile_cases.h"

namespace brisko {
namespace {

using win32::Narrow;
using win32::Widen;

std::string SystemRead(const std::string& path, const std::string& section, const std::string& key) {
    wchar_t buf[2048];
    GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"NULL", buf, 2048, Widen(path).c_str());
    return Narrow(buf);
}

std::string SystemKeys(const std::string& path, const std::string& section) {
    wchar_t buf[16384];
    const DWORD n = GetPrivateProfileStringW(Widen(section).c_str(), nullptr, L"", buf, 16384, Widen(path).c_str());
    std::string joined;
    for (DWORD i = 0; i < n; ++i) joined += buf[i] ? Narrow(std::wstring(1, buf[i])) : std::string(",");
    return joined;
}

std::string EngineKeys(FileSystem& files, const std::string& path, const std::string& section) {
    std::string joined;
    for (const auto& k : IniSectionKeys(files, path, section)) joined += k + ",";
    return joined;
}

// Lines without blanks around "=" or at either end, and without empty lines:
// the form Wine gives every file it writes.
std::string Normalised(const std::string& bytes) {
    std::string out, line;
    auto flush = [&] {
        auto trim = [](std::string s) {
            while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.erase(0, 1);
            while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
            return s;
        };
        line = trim(line);
        if (auto eq = line.find('='); eq != std::string::npos) line = trim(line.substr(0, eq)) + "=" + trim(line.substr(eq + 1));
        if (!line.empty()) out += line + "\n";
        line.clear();
    };
    for (char c : bytes) {
        if (c == '\r' || c == '\n') flush();
        else line.push_back(c);
    }
    flush();
    return out;
}

struct ScratchFiles {
    std::unique_ptr<testing::FilesUnderTest> fs = testing::MakeFilesUnderTest();
    FileSystem& files = *fs->files;
};
class ProfileDifferential : public ::testing::TestWithParam<testing::ProfileCase>, protected ScratchFiles {};
class ProfileDifferentialFiles : public ::testing::Test, protected ScratchFiles {};

// Runs the case's operations on an engine copy and a system copy of the file.
TEST_P(ProfileDifferential, EngineAndSystemAgree) {
    const testing::ProfileCase& c = GetParam();
    const std::string mine = fs->Path("engine.ini"), sys = fs->Path("system.ini");
    if (!c.noFile) {
        fs->PutFile(mine, c.bytes, fileattr::kArchive);
        fs->PutFile(sys, c.bytes, fileattr::kArchive);
    }
    for (const testing::ProfileOp& op : c.ops) {
        SCOPED_TRACE(std::string(1, op.kind) + " [" + op.section + "] " + op.key);
        const std::wstring section = Widen(op.section), key = Widen(op.key), path = Widen(sys);
        switch (op.kind) {
            case 'W':
                IniWriteValue(files, mine, op.section, op.key, op.value);
                // The engine writes nothing for "NULL"; the system would write the text.
                if (op.value != "NULL")
                    ASSERT_TRUE(WritePrivateProfileStringW(section.c_str(), key.c_str(), Widen(op.value).c_str(), path.c_str()));
                break;
            case 'D':
                IniDeleteKey(files, mine, op.section, op.key);
                WritePrivateProfileStringW(section.c_str(), key.c_str(), nullptr, path.c_str());
                break;
            case 'R':
                // Where Wine is known to differ from Windows the case names its answer.
                EXPECT_EQ(SystemRead(sys, op.section, op.key),
                          op.wine.empty() ? IniReadValue(files, mine, op.section, op.key) : op.wine);
                break;
            case 'K': EXPECT_EQ(SystemKeys(sys, op.section), EngineKeys(files, mine, op.section)); break;
        }
    }
    const std::string a = files.ReadFile(mine).value_or(""), b = files.ReadFile(sys).value_or("");
    // Known deviation of Wine: it writes the whole file anew, dropping blank
    // lines and the blanks around "=", where Windows edits the one line in
    // place. The content must still agree.
    if (c.wineRewrites) EXPECT_EQ(Normalised(a), Normalised(b));
    else EXPECT_EQ(a, b);
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileDifferential, ::testing::ValuesIn(testing::ProfileCases()),
                         [](const auto& info) { return info.param.name; });

TEST_F(ProfileDifferentialFiles, LongValuesThroughTheAnsiFunction) {
    const std::string path = fs->Path("long.ini");
    fs->PutFile(path, "[S]\r\na=" + std::string(3000, 'x') + "\r\n", fileattr::kArchive);
    char buf[2048];
    const DWORD n = GetPrivateProfileStringA("S", "a", "NULL", buf, sizeof buf, Narrow(Widen(path)).c_str());
    EXPECT_EQ(n, 2047u);
    EXPECT_EQ(IniReadValue(files, path, "S", "a"), std::string(buf, n));
}

}  // namespace
}  // namespace brisko
