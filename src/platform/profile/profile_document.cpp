#include "platform/profile/profile_document.h"

#include "platform/error.h"
#include "platform/text/case_fold.h"
#include "platform/text/cp932.h"
#include "platform/text/utf.h"

namespace brisko::profile {

namespace {
const std::string kUtf16LeMark = "\xFF\xFE";
const std::string kCrLf = "\r\n";

// Blanks as the system's profile functions trim them: tab to carriage return, ^Z and space.
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == '\x1A' || c == ' '; }

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool InQuotes(const std::string& v) {
    return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

std::string StripOneQuotePair(const std::string& v) { return InQuotes(v) ? v.substr(1, v.size() - 2) : v; }

// Line ends and the text between them, in a file's code units.
template <typename Unit>
void SplitLines(const std::basic_string<Unit>& s, std::vector<std::pair<std::basic_string<Unit>, std::string>>& out) {
    size_t start = 0;
    while (start < s.size()) {
        size_t i = start;
        while (i < s.size() && s[i] != Unit('\r') && s[i] != Unit('\n')) ++i;
        std::string end;
        if (i < s.size()) {
            if (s[i] == Unit('\r') && i + 1 < s.size() && s[i + 1] == Unit('\n')) end = kCrLf;
            else end = s[i] == Unit('\r') ? "\r" : "\n";
        }
        out.emplace_back(s.substr(start, i - start), end);
        start = i + end.size();
    }
}

std::u16string BytesToUtf16(const std::string& bytes) {
    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return units;
}

std::string Utf16ToBytes(const std::u16string& units) {
    std::string bytes;
    for (char16_t u : units) {
        bytes.push_back(static_cast<char>(u & 0xFF));
        bytes.push_back(static_cast<char>(u >> 8));
    }
    return bytes;
}
}  // namespace

ProfileDocument ProfileDocument::Parse(const std::string& fileBytes) {
    ProfileDocument doc;
    if (fileBytes.compare(0, kUtf16LeMark.size(), kUtf16LeMark) == 0) {
        doc.encoding_ = Encoding::Utf16Le;
        doc.bom_ = kUtf16LeMark;
        std::vector<std::pair<std::u16string, std::string>> parts;
        SplitLines(BytesToUtf16(fileBytes.substr(kUtf16LeMark.size())), parts);
        for (auto& [units, end] : parts) {
            Line line;
            line.raw = Utf16ToBytes(units);
            line.end = end;
            Classify(line, text::Utf16ToUtf8(units));
            doc.lines_.push_back(std::move(line));
        }
    } else {
        std::vector<std::pair<std::string, std::string>> parts;
        SplitLines(fileBytes, parts);
        for (auto& [bytes, end] : parts) {
            Line line;
            line.raw = bytes;
            line.end = end;
            Classify(line, text::Cp932ToUtf8(bytes));
            doc.lines_.push_back(std::move(line));
        }
    }
    return doc;
}

void ProfileDocument::Classify(Line& line, const std::string& textUtf8) {
    const std::string t = Trim(textUtf8);
    line.kind = LineKind::Blank;
    if (t.empty()) return;
    if (t.front() == '[') {
        const auto close = t.rfind(']');
        if (close != std::string::npos && close > 0) {
            line.kind = LineKind::Section;
            line.name = Trim(t.substr(1, close - 1));
            return;
        }
    }
    line.kind = LineKind::Key;
    const auto eq = t.find('=');
    if (eq == std::string::npos) {
        line.name = t;
        return;
    }
    line.name = Trim(t.substr(0, eq));
    line.value = Trim(t.substr(eq + 1));
    line.hasValue = true;
}

ProfileDocument::Line ProfileDocument::MakeLine(const std::string& textUtf8) const {
    Line line;
    line.raw = encoding_ == Encoding::Utf16Le ? Utf16ToBytes(text::Utf8ToUtf16(textUtf8)) : text::Utf8ToCp932(textUtf8);
    line.end = kCrLf;
    Classify(line, encoding_ == Encoding::Utf16Le ? textUtf8 : text::Cp932ToUtf8(line.raw));
    return line;
}

std::string ProfileDocument::Serialize() const {
    std::string out = bom_;
    for (const auto& line : lines_) {
        out += line.raw;
        out += encoding_ == Encoding::Utf16Le ? Utf16ToBytes(text::Utf8ToUtf16(line.end)) : line.end;
    }
    return out;
}

const ProfileDocument::Index& ProfileDocument::Indexed() const {
    if (index_) return *index_;
    Index index;
    SectionAt* open = nullptr;  // the section whose keys are being read, when it is the first of its name
    int header = -1;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section) {
            if (open) open->end = static_cast<int>(i);
            header = static_cast<int>(i);
            const bool first = index.sections.emplace(text::AsciiLower(line.name), header).second;
            open = first ? &index.at[header] : nullptr;
        } else if (line.kind == LineKind::Key && open) {
            open->keys.emplace(text::AsciiLower(line.name), static_cast<int>(i));
        }
    }
    if (open) open->end = static_cast<int>(lines_.size());
    index_ = std::move(index);
    return *index_;
}

ProfileDocument::SectionAt* ProfileDocument::IndexedSection(int sectionLine) const {
    Indexed();
    const auto found = index_->at.find(sectionLine);
    return found == index_->at.end() ? nullptr : &found->second;
}

int ProfileDocument::FindSection(const std::string& section) const {
    const Index& index = Indexed();
    const auto found = index.sections.find(text::AsciiLower(section));
    return found == index.sections.end() ? -1 : found->second;
}

int ProfileDocument::SectionEnd(int sectionLine) const {
    if (const SectionAt* s = IndexedSection(sectionLine)) return s->end;
    size_t i = static_cast<size_t>(sectionLine) + 1;
    while (i < lines_.size() && lines_[i].kind != LineKind::Section) ++i;
    return static_cast<int>(i);
}

int ProfileDocument::FindKey(int sectionLine, const std::string& key) const {
    const SectionAt* s = IndexedSection(sectionLine);
    if (!s) return -1;
    const auto found = s->keys.find(text::AsciiLower(key));
    return found == s->keys.end() ? -1 : found->second;
}

std::optional<std::string> ProfileDocument::Read(const std::string& section, const std::string& key) const {
    const int s = FindSection(section);
    if (s < 0) return std::nullopt;
    const int k = FindKey(s, key);
    if (k < 0 || !lines_[k].hasValue) return std::nullopt;
    return StripOneQuotePair(lines_[k].value);
}

std::optional<std::string> ProfileDocument::ReadRaw(const std::string& section, const std::string& key) const {
    const int s = FindSection(section);
    if (s < 0) return std::nullopt;
    const int k = FindKey(s, key);
    if (k < 0 || !lines_[k].hasValue) return std::nullopt;
    return lines_[k].value;
}

std::vector<ProfileDocument::OutlineLine> ProfileDocument::Outline() const {
    std::vector<OutlineLine> out;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind != LineKind::Blank)
            out.push_back({i + 1, lines_[i].kind == LineKind::Section, lines_[i].name, lines_[i].hasValue});
    return out;
}

std::optional<ProfileDocument::SectionSize> ProfileDocument::CrowdedSection(size_t most) const {
    std::optional<SectionSize> crowded;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section) {
            if (crowded && crowded->keys > most) return crowded;
            crowded = SectionSize{line.name, 0};
        } else if (crowded && line.kind == LineKind::Key && line.hasValue && line.name.rfind(';', 0) != 0) {
            ++crowded->keys;
        }
    }
    if (crowded && crowded->keys > most) return crowded;
    return std::nullopt;
}

std::vector<std::string> ProfileDocument::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    const int s = FindSection(section);
    if (s < 0) return keys;
    for (int i = s + 1, end = SectionEnd(s); i < end; ++i)
        if (lines_[i].kind == LineKind::Key && lines_[i].hasValue && lines_[i].name.rfind(';', 0) != 0)
            keys.push_back(lines_[i].name);
    return keys;
}

namespace {
// The key part of a key line in its own code units: up to the first '='
// before which the units decode to the key's name (in code page 932 a lead
// byte swallows an '=' that follows it): with the blanks around it dropped,
// as it stands, and followed by one blank.
template <typename Units, typename Decode>
std::vector<Units> KeyUnits(const Units& line, const std::string& name, Decode decode) {
    const auto equals = typename Units::value_type('=');
    for (size_t eq = line.find(equals);; eq = line.find(equals, eq + 1)) {
        const Units key = line.substr(0, eq);
        if (Trim(decode(key)) == name) {
            auto blank = [](auto u) { return u < 0x80 && IsBlank(static_cast<char>(u)); };
            size_t b = 0, e = key.size();
            while (e > 0 && blank(key[e - 1])) --e;
            while (b < e && blank(key[b])) ++b;
            // A last byte that would take the '=' as its second half keeps a blank.
            return {key.substr(b, e - b), key, key + typename Units::value_type(' ')};
        }
        if (eq == Units::npos) return {};
    }
}
}  // namespace

// The key keeps its own bytes: a name that does not survive decoding (bytes
// outside the code page) would otherwise be written back as another name.
// Blanks around it go where that leaves the name as it was.
ProfileDocument::Line ProfileDocument::WithValue(const Line& keyLine, const std::string& value) const {
    Line line;
    line.end = keyLine.end;
    const bool utf16 = encoding_ == Encoding::Utf16Le;
    const auto fromUtf16 = [](const std::u16string& u) { return text::Utf16ToUtf8(u); };
    const auto fromAnsi = [](const std::string& b) { return text::Cp932ToUtf8(b); };
    const auto keys = utf16 ? std::vector<std::string>{} : KeyUnits(keyLine.raw, keyLine.name, fromAnsi);
    for (const auto& key : keys) {
        line.raw = key + "=" + text::Utf8ToCp932(value);
        Classify(line, fromAnsi(line.raw));
        if (line.name == keyLine.name) return line;
    }
    const auto keys16 = utf16 ? KeyUnits(BytesToUtf16(keyLine.raw), keyLine.name, fromUtf16) : std::vector<std::u16string>{};
    for (const auto& key : keys16) {
        const std::u16string units = key + u"=" + text::Utf8ToUtf16(value);
        line.raw = Utf16ToBytes(units);
        Classify(line, fromUtf16(units));
        if (line.name == keyLine.name) return line;
    }
    line = MakeLine(keyLine.name + "=" + value);
    line.end = keyLine.end;
    return line;
}

bool ProfileDocument::Write(const std::string& section, const std::string& key, const std::string& value) {
    if (HoldsLineBreak(section) || HoldsLineBreak(key) || HoldsLineBreak(value))
        throw BriskoError(LineBreakRefusal("", section, key));
    const int s = FindSection(section);
    if (s < 0) {
        if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = kCrLf;
        const int header = static_cast<int>(lines_.size());
        lines_.push_back(MakeLine("[" + section + "]"));
        lines_.push_back(MakeLine(key + "=" + value));
        // Added at the end, nothing moved: the index only grows.
        if (index_ && lines_[header].kind == LineKind::Section && lines_[header + 1].kind == LineKind::Key &&
            index_->sections.emplace(text::AsciiLower(lines_[header].name), header).second) {
            SectionAt& added = index_->at[header];
            added.end = header + 2;
            added.keys.emplace(text::AsciiLower(lines_[header + 1].name), header + 1);
        } else {
            index_.reset();
        }
        return true;
    }
    const int k = FindKey(s, key);
    if (k >= 0) {
        if (lines_[k].hasValue && lines_[k].value == value) return false;
        const std::string name = lines_[k].name;
        lines_[k] = WithValue(lines_[k], value);
        if (lines_[k].kind != LineKind::Key || lines_[k].name != name) index_.reset();
        return true;
    }
    // After the section's last non-blank line, so blank lines between sections stay.
    int at = SectionEnd(s);
    while (at > s + 1 && lines_[at - 1].kind == LineKind::Blank) --at;
    if (lines_[at - 1].end.empty()) lines_[at - 1].end = kCrLf;
    const bool last = static_cast<size_t>(at) == lines_.size();
    lines_.insert(lines_.begin() + at, MakeLine(key + "=" + value));
    // A key added at the end of the file moves no line: the index grows by it.
    SectionAt* grown = last ? IndexedSection(s) : nullptr;
    if (grown && lines_[at].kind == LineKind::Key) {
        grown->end = at + 1;
        grown->keys.emplace(text::AsciiLower(lines_[at].name), at);
    } else {
        index_.reset();
    }
    return true;
}

bool ProfileDocument::Remove(const std::string& section, const std::string& key) {
    const int s = FindSection(section);
    if (s < 0) return false;
    const int k = FindKey(s, key);
    if (k < 0) return false;
    lines_.erase(lines_.begin() + k);
    index_.reset();
    return true;
}

std::string ExactProfileText(const std::string& value) {
    if (value.empty()) return value;
    if (IsBlank(value.front()) || IsBlank(value.back()) || InQuotes(value)) return '"' + value + '"';
    return value;
}

bool HoldsLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

std::string LineBreakRefusal(const std::string& file, const std::string& section, const std::string& key) {
    return (file.empty() ? std::string() : file + " の ") + "[" + section + "] " + key +
           " に書き込む内容に改行が含まれているため、書き込めません。\r\n"
           "改行を含む値はファイルに正しく記録できません。";
}

std::string CrowdedRefusal(const std::string& what, const ProfileDocument::SectionSize& section) {
    return what + " ファイルのセクション [" + section.name + "] にはキーが " + std::to_string(section.keys) +
           " 個あります。1 つのセクションに " + std::to_string(kMostKeysInASection) +
           " 個を超えるキーがあるファイルは読み込みません。";
}

}  // namespace brisko::profile
