#pragma once
// A profile (INI) file held as its lines, edited the way Windows edits one:
// a write touches only the line it changes (or adds one), every other line
// stays byte for byte. Files without a byte-order mark are in code page 932;
// a UTF-16LE mark makes the file UTF-16LE, read and written back as such.
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace brisko::profile {

// More keys in one section than any file the program reads holds (a real
// machine lists some hundreds of services): readers refuse such a file.
inline constexpr size_t kMostKeysInASection = 4096;

class ProfileDocument {
public:
    static ProfileDocument Parse(const std::string& fileBytes);
    std::string Serialize() const;

    // The key's value with the surrounding blanks and one pair of matching
    // quotes (" or ') removed; nullopt when the section or key is missing or
    // the key's line has no '='. Lines before the first section belong to none.
    std::optional<std::string> Read(const std::string& section, const std::string& key) const;
    // The same with its quotes kept: the text as it stands after the '='.
    std::optional<std::string> ReadRaw(const std::string& section, const std::string& key) const;
    // Names of the section's keys with a value, comments (';') left out.
    std::vector<std::string> Keys(const std::string& section) const;
    // False when the key already held exactly that value. A section, key or
    // value holding a line break would read back as further lines: it throws
    // BriskoError instead and nothing is written.
    bool Write(const std::string& section, const std::string& key, const std::string& value);
    // False when there was no such key.
    bool Remove(const std::string& section, const std::string& key);

    // Every section header and key line in file order, with its line number
    // (from 1): for readers that must refuse what Read would pass over.
    struct OutlineLine {
        size_t number;
        bool section;      // a header; otherwise a key line
        std::string name;  // trimmed (UTF-8)
        bool hasValue;     // a key line with '='
    };
    std::vector<OutlineLine> Outline() const;

    // The first section (in file order) holding more than `most` keys, with
    // its key count; nullopt when there is none.
    struct SectionSize {
        std::string name;
        size_t keys;
    };
    std::optional<SectionSize> CrowdedSection(size_t most = kMostKeysInASection) const;

private:
    enum class Encoding { Ansi, Utf16Le };
    enum class LineKind { Blank, Section, Key };
    struct Line {
        std::string raw;  // the line's bytes in the file's encoding, without its end
        std::string end;  // "\r\n", "\n", "\r" or "" for a last line without one
        LineKind kind = LineKind::Blank;
        std::string name;   // section or key name, trimmed (UTF-8)
        std::string value;  // key value, trimmed (UTF-8)
        bool hasValue = false;  // false for a key line without '='
    };

    // Where each section and key is, found in one pass over the lines and
    // kept until a write moves lines: every lookup is then one step, however
    // long the file (a lookup by walking the lines made reading a large file
    // take the square, or the cube, of its length).
    struct SectionAt {
        int end;                                   // one past its last line
        std::unordered_map<std::string, int> keys;  // folded name -> its first key line
    };
    struct Index {
        std::unordered_map<std::string, int> sections;  // folded name -> its first header line
        std::unordered_map<int, SectionAt> at;          // by header line, first headers only
    };
    const Index& Indexed() const;
    SectionAt* IndexedSection(int sectionLine) const;

    Line MakeLine(const std::string& textUtf8) const;
    Line WithValue(const Line& keyLine, const std::string& value) const;
    static void Classify(Line& line, const std::string& textUtf8);
    // Index of the first line of the section's header, or -1.
    int FindSection(const std::string& section) const;
    int FindKey(int sectionLine, const std::string& key) const;
    int SectionEnd(int sectionLine) const;  // one past its last line

    Encoding encoding_ = Encoding::Ansi;
    std::string bom_;
    std::vector<Line> lines_;
    mutable std::optional<Index> index_;
};

// The text to write so that Read gives back exactly `value`: one that begins
// or ends with a blank, or stands in a pair of matching quotes, is put in one
// more pair of double quotes, which the read removes again.
std::string ExactProfileText(const std::string& value);

// The refusal of a line break in what would be written to [section] key;
// `file` names the file when known.
std::string LineBreakRefusal(const std::string& file, const std::string& section, const std::string& key);
bool HoldsLineBreak(const std::string& s);

// The refusal of a file (`what`: "プラン", "バックアップ") with a crowded section.
std::string CrowdedRefusal(const std::string& what, const ProfileDocument::SectionSize& section);

}  // namespace brisko::profile
