// Profile files through the engine, over whichever file system the test
// program has (in memory on the host, the real one under Wine).
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/profile/profile_document.h"
#include "platform/profile/profile_file.h"
#include "platform/text/cp932.h"
#include "support/backends.h"

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

TEST_F(ProfileFile, ReadingTrimsBlanksAndOneMatchingPairOfQuotes) {
    Put("[Main]\r\n"
        "  plain =  value with inner  blanks \t\r\n"
        "dq=\"quoted\"\r\n"
        "sq='single'\r\n"
        "mixed=\"mixed'\r\n"
        "twice=\"\"x\"\"\r\n"
        "lone=\"\r\n"
        "empty=\r\n"
        "noequals\r\n"
        "first=1\r\n"
        "FIRST=2\r\n"
        "eq=a=b\r\n");
    EXPECT_EQ(Read("Main", "plain"), "value with inner  blanks");
    EXPECT_EQ(Read("main", "PLAIN"), "value with inner  blanks");
    EXPECT_EQ(Read("Main", "dq"), "quoted");
    EXPECT_EQ(Read("Main", "sq"), "single");
    EXPECT_EQ(Read("Main", "mixed"), "\"mixed'");
    EXPECT_EQ(Read("Main", "twice"), "\"x\"");
    EXPECT_EQ(Read("Main", "lone"), "\"");
    EXPECT_EQ(Read("Main", "empty"), "") << "an empty value is not absent";
    EXPECT_EQ(Read("Main", "noequals"), "NULL");
    EXPECT_EQ(Read("Main", "first"), "1") << "the first of duplicate keys wins";
    EXPECT_EQ(Read("Main", "eq"), "a=b");
    EXPECT_EQ(Read("Main", "missing"), "NULL");
    EXPECT_EQ(Read("Other", "plain"), "NULL");
    EXPECT_EQ(IniReadValue(files, fs->Path("none.ini"), "Main", "plain"), "NULL");
}

TEST_F(ProfileFile, SectionsKeysBeforeThemAndDuplicates) {
    Put("orphan=before any section\r\n"
        "[ Spaced ]\r\n"
        "k=spaced\r\n"
        "[dup]\r\n"
        "a=first section\r\n"
        "[DUP]\r\n"
        "a=second\r\n"
        "b=only in second\r\n"
        "[]\r\n"
        "orphan=empty section\r\n"
        "[broken\r\n"
        "x=1\r\n");
    EXPECT_EQ(Read("Spaced", "k"), "spaced");
    EXPECT_EQ(Read("dup", "a"), "first section");
    EXPECT_EQ(Read("dup", "b"), "NULL") << "only the first of duplicate sections is searched";
    EXPECT_EQ(Read("", "orphan"), "empty section") << "keys before the first section belong to none";
    EXPECT_EQ(Read("", "x"), "1") << "a header without ']' is a key line";
}

TEST_F(ProfileFile, JapaneseNamesAreStoredAsShiftJis) {
    IniWriteValue(files, path, "環境設定", "FontSize", "9");
    IniWriteValue(files, path, "デスクトップ10", "Security Center", "ソフト表示");
    EXPECT_EQ(Bytes(), text::Utf8ToCp932("[環境設定]\r\nFontSize=9\r\n[デスクトップ10]\r\nSecurity Center=ソフト表示\r\n"));
    EXPECT_EQ(Read("環境設定", "fontsize"), "9");
    EXPECT_EQ(Read("デスクトップ10", "Security Center"), "ソフト表示");
    EXPECT_EQ(Read("デスクトッ", "Security Center"), "NULL");
}

TEST_F(ProfileFile, WritesEditInPlaceAndLeaveOtherLinesAlone) {
    const std::string before = "; settings\r\n[A]\r\nkeep = spaced \r\nKey=old\r\n\r\n[B]\nunix=1\n";
    Put(before);
    IniWriteValue(files, path, "a", "KEY", "new");
    EXPECT_EQ(Bytes(), "; settings\r\n[A]\r\nkeep = spaced \r\nKey=new\r\n\r\n[B]\nunix=1\n")
        << "the key keeps its spelling; every other line stays byte for byte";
    IniWriteValue(files, path, "A", "added", "x");
    EXPECT_EQ(Bytes(), "; settings\r\n[A]\r\nkeep = spaced \r\nKey=new\r\nadded=x\r\n\r\n[B]\nunix=1\n")
        << "a new key goes after the section's last line, before the blank line";
    IniWriteValue(files, path, "C", "k", "");
    EXPECT_EQ(Read("C", "k"), "");
    EXPECT_TRUE(Bytes().ends_with("unix=1\n[C]\r\nk=\r\n"));
}

TEST_F(ProfileFile, AFileWithoutFinalLineEndGetsOneBeforeAdditions) {
    Put("[A]\r\nx=1");
    IniWriteValue(files, path, "A", "y", "2");
    EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\ny=2\r\n");
    Put("[A]\r\nx=1");
    IniWriteValue(files, path, "B", "z", "3");
    EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\n[B]\r\nz=3\r\n");
}

TEST_F(ProfileFile, WritingNullDoesNothingAndDeletingRemovesTheLine) {
    IniWriteValue(files, path, "S", "k", "NULL");
    EXPECT_FALSE(files.GetAttributes(path)) << "no file is created";
    Put("[S]\r\nk=v\r\nj=w\r\n");
    IniWriteValue(files, path, "S", "k", "NULL");
    EXPECT_EQ(Read("S", "k"), "v");
    IniDeleteKey(files, path, "s", "K");
    EXPECT_EQ(Bytes(), "[S]\r\nj=w\r\n");
    IniDeleteKey(files, path, "S", "absent");
    EXPECT_EQ(Bytes(), "[S]\r\nj=w\r\n");
}

TEST_F(ProfileFile, SectionKeysInFileOrderWithoutCommentsOrBareWords) {
    Put("[S]\r\nzeta=1\r\n;comment=2\r\nbare\r\nAlpha=\r\nzeta=3\r\n[T]\r\nt=1\r\n");
    EXPECT_EQ(IniSectionKeys(files, path, "s"), (std::vector<std::string>{"zeta", "Alpha", "zeta"}));
    EXPECT_TRUE(IniSectionKeys(files, path, "missing").empty());
}

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

TEST_F(ProfileFile, Utf16FilesStayUtf16) {
    const std::u16string content = u"[設定]\r\nk=値\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : content) bytes += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    Put(bytes);
    EXPECT_EQ(Read("設定", "k"), "値");
    IniWriteValue(files, path, "設定", "n", "ü");
    std::string expected = bytes;
    for (char16_t c : std::u16string(u"n=ü\r\n")) expected += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    EXPECT_EQ(Bytes(), expected);
}

TEST_F(ProfileFile, AUtf8MarkIsNotRecognised) {
    // Windows reads the mark as ANSI characters, so the first header is lost.
    Put("\xEF\xBB\xBF[S]\r\nk=v\r\n[T]\r\nk=w\r\n");
    EXPECT_EQ(Read("S", "k"), "NULL");
    EXPECT_EQ(Read("T", "k"), "w");
}

TEST_F(ProfileFile, ReadOnlyFilesAreClearedBeforeWritingAndOtherAttributesKept) {
    Put("[S]\r\nk=v\r\n", fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem);
    IniWriteValue(files, path, "S", "k", "w");
    EXPECT_EQ(Read("S", "k"), "w");
    EXPECT_EQ(*files.GetAttributes(path) & (fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem),
              fileattr::kHidden | fileattr::kSystem);
    files.SetAttributes(path, fileattr::kReadOnly);
    IniDeleteKey(files, path, "S", "k");
    EXPECT_EQ(Read("S", "k"), "NULL");
}

TEST_F(ProfileFile, ARefusedWriteThrowsNamingTheFileAndLeavesItWhole) {
    const std::string missingFolder = fs->Path("no such folder\\x.ini");
    try {
        IniWriteValue(files, missingFolder, "S", "k", "v");
        FAIL() << "no error";
    } catch (const BriskoError& e) {
        EXPECT_EQ(std::string(e.what()), missingFolder + " に書き込めません");
    }
}

TEST_F(ProfileFile, LineBreaksAreRefusedBeforeTheFileIsTouched) {
    Put("[S]\r\nk=v\r\n");
    const struct {
        const char *section, *key, *value;
    } cases[] = {{"S", "k", "a\r\n[T]\r\nx=y"}, {"S", "k", "a\nb"}, {"S", "new\rkey", "v"}, {"S\n", "k", "v"}};
    for (const auto& c : cases) {
        try {
            IniWriteValue(files, path, c.section, c.key, c.value);
            ADD_FAILURE() << "no error for " << c.value;
        } catch (const BriskoError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(path + " の [")) << e.what();
        }
    }
    EXPECT_EQ(Bytes(), "[S]\r\nk=v\r\n");
}

TEST_F(ProfileFile, ExactTextReadsBackAsWrittenAndRawReadsKeepQuotes) {
    for (const std::string value : {"plain", " leading", "trailing\t", "\"quoted\"", "'single'", "\"\"", "\"half",
                                    "\"W\" /fastdetect", "   "}) {
        IniWriteValue(files, path, "S", "k", profile::ExactProfileText(value));
        EXPECT_EQ(Read("S", "k"), value) << "[" << value << "]";
    }
    Put("[S]\r\nq = \"Windows XP\"  \r\n");
    EXPECT_EQ(IniReadRawValue(files, path, "S", "q"), "\"Windows XP\"");
    EXPECT_EQ(IniReadRawValue(files, path, "S", "none"), "NULL");
}

}  // namespace
}  // namespace brisko
