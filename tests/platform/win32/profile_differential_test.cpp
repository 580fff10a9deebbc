// The profile engine against the system's own profile functions: the same
// operations on two copies of a file, every value read compared, and the
// resulting file bytes compared. Where Wine is known to differ from Windows,
// the case says so and checks what Windows does.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "platform/profile/profile_file.h"
#include "platform/text/cp932.h"
#include "platform/win32/wide.h"
#include "support/backends.h"

namespace brisko {
namespace {

using win32::Narrow;
using win32::Widen;

struct Op {
    enum Kind { Write, Delete, Read, Keys } kind;
    std::string section, key, value;
};
Op W(std::string s, std::string k, std::string v) { return {Op::Write, std::move(s), std::move(k), std::move(v)}; }
Op D(std::string s, std::string k) { return {Op::Delete, std::move(s), std::move(k), {}}; }
Op R(std::string s, std::string k) { return {Op::Read, std::move(s), std::move(k), {}}; }
Op K(std::string s) { return {Op::Keys, std::move(s), {}, {}}; }

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

class ProfileDifferential : public ::testing::Test {
protected:
    std::unique_ptr<testing::FilesUnderTest> fs = testing::MakeFilesUnderTest();
    FileSystem& files = *fs->files;
    int counter = 0;

    enum class Bytes { Same, WineRewrites };

    // Runs the operations on an engine copy and a system copy of the file.
    // `deviation` answers, for a read, what Wine gives where it differs from
    // Windows (empty: no known deviation).
    void Run(const std::string& initial, const std::vector<Op>& ops, Bytes bytes = Bytes::Same,
             std::function<std::string(const Op&)> deviation = {}) {
        const std::string mine = fs->Path("engine" + std::to_string(++counter) + ".ini");
        const std::string sys = fs->Path("system" + std::to_string(counter) + ".ini");
        if (!initial.empty()) {
            fs->PutFile(mine, initial, fileattr::kArchive);
            fs->PutFile(sys, initial, fileattr::kArchive);
        }
        for (const Op& op : ops) {
            SCOPED_TRACE("[" + op.section + "] " + op.key);
            switch (op.kind) {
                case Op::Write:
                    IniWriteValue(files, mine, op.section, op.key, op.value);
                    ASSERT_TRUE(WritePrivateProfileStringW(Widen(op.section).c_str(), Widen(op.key).c_str(),
                                                           Widen(op.value).c_str(), Widen(sys).c_str()));
                    break;
                case Op::Delete:
                    IniDeleteKey(files, mine, op.section, op.key);
                    WritePrivateProfileStringW(Widen(op.section).c_str(), Widen(op.key).c_str(), nullptr,
                                               Widen(sys).c_str());
                    break;
                case Op::Read: {
                    const std::string engine = IniReadValue(files, mine, op.section, op.key);
                    const std::string wineSays = deviation ? deviation(op) : std::string();
                    EXPECT_EQ(SystemRead(sys, op.section, op.key), wineSays.empty() ? engine : wineSays);
                    break;
                }
                case Op::Keys:
                    EXPECT_EQ(SystemKeys(sys, op.section), EngineKeys(files, mine, op.section));
                    break;
            }
        }
        const std::string a = files.ReadFile(mine).value_or(""), b = files.ReadFile(sys).value_or("");
        if (bytes == Bytes::Same) {
            EXPECT_EQ(a, b);
        } else {
            // Known deviation of Wine: it writes the whole file anew, dropping
            // blank lines and the blanks around "=", where Windows edits the
            // one line in place. The content must still agree.
            EXPECT_EQ(Normalised(a), Normalised(b));
        }
    }
};

TEST_F(ProfileDifferential, PreferencesFileFromNothing) {
    Run("", {W("環境設定", "SafetyDisabled", "done"), W("DisabledItem", "System2", "pre_true"),
             W("DisabledItem", "System3", "pre_true"), W("環境設定", "TransitOption", "1"),
             W("環境設定", "SafetyDisabled", "again"), R("環境設定", "safetydisabled"), R("disableditem", "SYSTEM3"),
             R("環境設定", "missing"), R("missing", "x"), K("DisabledItem"), D("DisabledItem", "System2"),
             K("DisabledItem"), D("DisabledItem", "absent")});
}

TEST_F(ProfileDifferential, JapaneseTextWithBackslashTrailBytes) {
    Run("[ソフト]\r\n表示=ソ\\表\r\n",
        {R("ソフト", "表示"), W("ソフト", "予定表", "能力"), W("ソフト", "表示", "十"), R("ソフト", "予定表"),
         K("ソフト")});
}

TEST_F(ProfileDifferential, QuotesBlanksAndEmptyValues) {
    Run("[S]\r\ndq=\"a b\"\r\nsq='c'\r\nmixed=\"d'\r\nempty=\r\n",
        {R("S", "dq"), R("S", "sq"), R("S", "mixed"), R("S", "empty"), W("S", "new", ""), R("S", "new"), K("S")});
    Run("[S]\r\n  spaced  =  v  \r\ntabbed=\tx\t\r\n",
        {R("S", "spaced"), R("S", "tabbed"), W("S", "spaced", "w"), R("S", "spaced")}, Bytes::WineRewrites);
}

TEST_F(ProfileDifferential, DuplicateSectionsAndKeys) {
    Run("[A]\r\nk=1\r\nk=2\r\n[B]\r\nx=1\r\n[a]\r\nk=3\r\nj=4\r\n",
        {R("A", "k"), R("a", "j"), W("A", "k", "5"), W("a", "j", "6"), R("A", "k"), K("A")});
}

TEST_F(ProfileDifferential, CommentsBlankLinesAndBareWords) {
    Run("; header comment\r\n\r\n[S]\r\n;k=commented\r\nbare\r\nk=1\r\n\r\n[T]\r\nt=2\r\n",
        {R("S", "k"), R("S", "bare"), K("S"), W("S", "k", "3"), W("S", "added", "4"), W("T", "t2", "5"),
         R("S", "added")},
        Bytes::WineRewrites);
}

TEST_F(ProfileDifferential, KeysBeforeTheFirstSection) {
    // Windows reads section "" as the section headed "[]" and ignores keys
    // before the first header; Wine files those keys under "" (its own test
    // dlls/kernel32/tests/profile.c marks this todo_wine).
    Run("key=no section\r\n[]\r\nkey=empty section\r\n[S]\r\nk=1\r\n", {R("", "key"), R("S", "k")}, Bytes::Same,
        [](const Op& op) { return op.section.empty() ? std::string("no section") : std::string(); });
}

// Windows refuses to write a read-only file, so the attribute is cleared
// first (Wine run as root writes it all the same).
TEST_F(ProfileDifferential, ReadOnlyFileClearedFirst) {
    const std::string mine = fs->Path("ro-engine.ini"), sys = fs->Path("ro-system.ini");
    fs->PutFile(mine, "[S]\r\nk=1\r\n", fileattr::kReadOnly);
    fs->PutFile(sys, "[S]\r\nk=1\r\n", fileattr::kReadOnly);
    IniWriteValue(files, mine, "S", "k", "2");
    SetFileAttributesW(Widen(sys).c_str(), FILE_ATTRIBUTE_ARCHIVE);
    ASSERT_TRUE(WritePrivateProfileStringW(L"S", L"k", L"2", Widen(sys).c_str()));
    EXPECT_EQ(files.ReadFile(mine), files.ReadFile(sys));
    EXPECT_EQ(*files.GetAttributes(mine) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(ProfileDifferential, Utf16LittleEndianFiles) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : std::u16string(u"[設定]\r\nk=値\r\n"))
        bytes += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    Run(bytes, {R("設定", "k"), W("設定", "k", "新"), W("設定", "n", "ü"), W("他", "x", "1"), R("設定", "n")});
}

TEST_F(ProfileDifferential, Utf8MarkIsOnlyRecognisedByWine) {
    // Windows takes the mark for ANSI characters, so "[S]" is no header there;
    // Wine recognises UTF-8 files (PROFILE_DetectTextEncoding).
    Run("\xEF\xBB\xBF[S]\r\nk=v\r\n[T]\r\nk=w\r\n", {R("S", "k"), R("T", "k")}, Bytes::Same,
        [](const Op& op) { return op.section == "S" ? std::string("v") : std::string(); });
}

TEST_F(ProfileDifferential, LongValuesThroughTheAnsiFunction) {
    const std::string path = fs->Path("long.ini");
    fs->PutFile(path, "[S]\r\na=" + std::string(3000, 'x') + "\r\n", fileattr::kArchive);
    char buf[2048];
    const DWORD n = GetPrivateProfileStringA("S", "a", "NULL", buf, sizeof buf, Narrow(Widen(path)).c_str());
    EXPECT_EQ(n, 2047u);
    EXPECT_EQ(IniReadValue(files, path, "S", "a"), std::string(buf, n));
}

}  // namespace
}  // namespace brisko
