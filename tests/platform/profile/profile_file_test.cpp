// Profile files through the engine, over whichever file system the test
// program has (in memory on the host, the real one under Wine): the case
// table of tests/data/profile_cases.tsv, then what does not fit a table.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/profile/profile_document.h"
#include "platform/profile/profile_file.h"
#include "platform/text/cp932.h"
#include "support/backends.h"
#include "support/profile_cases.h"

namespace brisko {
namespace {

class ProfileFile : public ::testing::Test {
protected:
    std::unique_ptr<testing::FilesUnderTest> fs = testing::MakeFilesUnderTest();
    FileSystem& files = *fs->files;
    std::string path = fs->Path("brisko.ini");

    void Put(const std::string& bytes, uint32_t attrs = fileattr::kArchive) { fs->PutFile(path, bytes, attrs); }
    std::string Bytes() { return files.ReadFile(path).value_or("<missing>"); }
    std::string Read(const std::string& s, const std::string& k) { return IniReadValue(files, path, s, k); }
};

class ProfileFileCase : public ProfileFile, public ::testing::WithParamInterface<testing::ProfileCase> {};

TEST_P(ProfileFileCase, GivesTheExpectedResults) {
    const testing::ProfileCase& c = GetParam();
    if (!c.noFile) Put(c.bytes);
    for (const testing::ProfileOp& op : c.ops) {
        SCOPED_TRACE(std::string(1, op.kind) + " [" + op.section + "] " + op.key);
        switch (op.kind) {
            case 'W':
                IniWriteValue(files, path, op.section, op.key, op.value);
                break;
            case 'D':
                IniDeleteKey(files, path, op.section, op.key);
                break;
            case 'R':
                EXPECT_EQ(Read(op.section, op.key), op.value);
                break;
            case 'K': {
                std::string keys;
                for (const auto& k : IniSectionKeys(files, path, op.section)) keys += k + ",";
                EXPECT_EQ(keys, op.key);
                break;
            }
            case 'B':
                EXPECT_EQ(text::Cp932ToUtf8(files.ReadFile(path).value_or("(none)")), op.value);
                break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileFileCase, ::testing::ValuesIn(testing::ProfileCases()),
                         [](const auto& info) { return info.param.name; });

TEST_F(ProfileFile, ReadsStopAt2047AnsiBytesWithoutSplittingACharacter) {
    const std::string ascii(3000, 'a');
    std::string wide;
    for (int i = 0; i < 1500; ++i) wide += "あ";
    Put(text::Utf8ToCp932("[S]\r\na=" + ascii + "\r\nj=x" + wide + "\r\n"));
    EXPECT_EQ(Read("S", "a"), std::string(2047, 'a'));
    const std::string j = Read("S", "j");
    EXPECT_EQ(text::Cp932Length(j), 2047u) << "x plus 1023 double-byte characters";
    EXPECT_EQ(j, "x" + wide.substr(0, 1023 * 3));
}

// boot.ini: written through its read-only flag, which it keeps, as its
// other attributes; a write that changes nothing touches nothing; a file the
// program must not create is not created. (The archive flag is the file
// system's own: Wine shows it on every file, Windows sets it on every write.)
TEST_F(ProfileFile, ReadOnlyFilesAreWrittenAndKeepEveryAttribute) {
    const uint32_t bootIni = fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem;
    const auto kept = [&] { return *files.GetAttributes(path) & bootIni; };
    Put("[S]\r\nk=v\r\n", bootIni);
    IniWriteValue(files, path, "S", "k", "w");
    EXPECT_EQ(Read("S", "k"), "w");
    EXPECT_EQ(kept(), bootIni);
    files.SetAttributes(path, fileattr::kReadOnly);
    IniWriteValue(files, path, "S", "k", "w");
    IniDeleteKey(files, path, "S", "missing");
    EXPECT_EQ(kept(), fileattr::kReadOnly) << "nothing changed, nothing written";
    IniDeleteKey(files, path, "S", "k");
    EXPECT_EQ(Read("S", "k"), "NULL");
    EXPECT_EQ(kept(), fileattr::kReadOnly);
    files.SetAttributes(path, fileattr::kNormal);  // Windows deletes no read-only file
    files.RemoveFile(path);
    EXPECT_THROW(IniWriteExistingValue(files, path, "S", "k", "v"), BriskoError);
    EXPECT_FALSE(files.GetAttributes(path));
}

TEST_F(ProfileFile, ExactTextReadsBackAsWrittenAndRawReadsKeepQuotes) {
    for (const std::string value :
         {"plain", " leading", "trailing\t", "\"quoted\"", "'single'", "\"\"", "\"half", "\"W\" /fastdetect", "   "}) {
        IniWriteValue(files, path, "S", "k", profile::ExactProfileText(value));
        EXPECT_EQ(Read("S", "k"), value) << "[" << value << "]";
    }
    Put("[S]\r\nq = \"Windows XP\"  \r\n");
    EXPECT_EQ(IniReadRawValue(files, path, "S", "q"), "\"Windows XP\"");
    EXPECT_EQ(IniReadRawValue(files, path, "S", "none"), "NULL");
}

}  // namespace
}  // namespace brisko
