#include "platform/diagnostic_events.h"

#include <array>
#include <optional>

#include "platform/text/utf.h"

namespace brisko {

namespace {
// The values read, by the names Windows gives them in <Data Name="...">.
enum Field : size_t {
    kBootStartTime, kBootTime, kMainPathBootTime, kBootPostBootTime, kBootIsRebootAfterInstall,
    kShutdownStartTime, kShutdownTime, kStartTime, kName, kFriendlyName, kTotalTime, kDegradationTime, kFieldCount
};
constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    "BootStartTime", "BootTime",  "MainPathBootTime", "BootPostBootTime", "BootIsRebootAfterInstall",
    "ShutdownStartTime", "ShutdownTime", "StartTime", "Name", "FriendlyName", "TotalTime", "DegradationTime"};

constexpr size_t kLongestValue = 4096;  // a path or a name is far shorter
constexpr const char* kBadShape = "XML の形が正しくありません";

std::optional<Field> FieldNamed(std::string_view name) {
    for (size_t i = 0; i < kFieldCount; ++i)
        if (kFieldNames[i] == name) return static_cast<Field>(i);
    return std::nullopt;
}

std::string_view Trimmed(std::string_view v) {
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t' || v.front() == '\r' || v.front() == '\n'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r' || v.back() == '\n'))
        v.remove_suffix(1);
    return v;
}

// A UInt32 in decimal, as the rendering writes it.
std::optional<int64_t> NumberOf(std::string_view v) {
    v = Trimmed(v);
    if (v.empty() || v.size() > 10) return std::nullopt;
    int64_t n = 0;
    for (char c : v) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n <= 0xFFFFFFFFll ? std::optional<int64_t>(n) : std::nullopt;
}

std::optional<bool> TruthOf(std::string_view v) {
    v = Trimmed(v);
    if (v == "true" || v == "1") return true;
    if (v == "false" || v == "0") return false;
    return std::nullopt;
}

// "2023-11-05T22:32:00.970725Z": the fraction and the Z may be missing.
std::optional<LocalTime> TimeOf(std::string_view v) {
    v = Trimmed(v);
    auto digits = [&](size_t at, size_t count) -> int {
        int n = 0;
        for (size_t i = at; i < at + count; ++i) {
            if (i >= v.size() || v[i] < '0' || v[i] > '9') return -1;
            n = n * 10 + (v[i] - '0');
        }
        return n;
    };
    if (v.size() < 19 || v[4] != '-' || v[7] != '-' || v[10] != 'T' || v[13] != ':' || v[16] != ':')
        return std::nullopt;
    LocalTime t{digits(0, 4), digits(5, 2), digits(8, 2), digits(11, 2), digits(14, 2), digits(17, 2)};
    size_t at = 19;
    if (at < v.size() && v[at] == '.')
        for (++at; at < v.size() && v[at] >= '0' && v[at] <= '9';) ++at;
    if (at < v.size() && v[at] == 'Z') ++at;
    if (at != v.size() || !IsValidTime(t)) return std::nullopt;
    return t;
}

// Text as a person reads it: valid UTF-8, control characters as blanks.
std::string Readable(std::string_view v) {
    std::u32string points = text::Utf8ToCodePoints(std::string(Trimmed(v)));
    for (char32_t& c : points)
        if (c < 0x20 || c == 0x7F) c = U' ';
    return text::CodePointsToUtf8(points);
}

// Appends text with its character and entity references resolved; an
// unknown or broken reference stays as it is written.
void AppendDecoded(std::string& out, std::string_view raw) {
    size_t i = 0;
    while (i < raw.size()) {
        const size_t amp = raw.find('&', i);
        out.append(raw.substr(i, amp == std::string_view::npos ? std::string_view::npos : amp - i));
        if (amp == std::string_view::npos) return;
        const size_t semi = raw.substr(amp, 12).find(';');
        const std::string_view name = semi == std::string_view::npos ? "" : raw.substr(amp + 1, semi - 1);
        i = amp + 1;
        char32_t code = 0;
        if (name == "lt") code = '<';
        else if (name == "gt") code = '>';
        else if (name == "amp") code = '&';
        else if (name == "quot") code = '"';
        else if (name == "apos") code = '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string_view number = name.substr(hex ? 2 : 1);
            uint32_t n = 0;
            bool ok = !number.empty() && number.size() <= 8;
            for (char c : number) {
                const int d = c >= '0' && c <= '9' ? c - '0'
                              : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                            : -1;
                ok = ok && d >= 0;
                n = n * (hex ? 16 : 10) + static_cast<uint32_t>(d < 0 ? 0 : d);
            }
            if (ok) code = n == 0 || n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF) ? 0xFFFD : n;
        }
        if (code == 0) {
            out += '&';
            continue;
        }
        text::AppendUtf8(out, code);
        i = amp + semi + 1;
    }
}

std::string_view LocalName(std::string_view name) {
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// One <Event> as it is read.
struct EventBuilder {
    bool open = false;
    std::string fault;  // the first thing wrong with it
    std::optional<std::string> id, created;
    std::array<std::optional<std::string>, kFieldCount> fields;

    void Fault(const std::string& why) {
        if (fault.empty()) fault = why;
    }
};

// Makes the record of a whole event; false, with the fault said, when it is
// one of ours but cannot be read, and false without a fault when it is not ours.
bool Finish(EventBuilder& b, DiagnosticEvent& e) {
    const std::optional<int64_t> id = b.id ? NumberOf(*b.id) : std::nullopt;
    if (!id) {
        b.Fault("イベント ID がありません");
        return false;
    }
    if (!IsDiagnosticId(static_cast<int>(*id))) {
        b.fault.clear();
        return false;
    }
    if (!b.fault.empty()) return false;
    e.id = static_cast<int>(*id);
    auto number = [&](Field f, bool needed) -> int64_t {
        if (!b.fields[f]) {
            if (needed) b.Fault("必要な値がありません: " + std::string(kFieldNames[f]));
            return 0;
        }
        const auto n = NumberOf(*b.fields[f]);
        if (!n) b.Fault("数値ではありません: " + std::string(kFieldNames[f]));
        return n.value_or(0);
    };
    const Field begun = e.id == kStartEvent ? kBootStartTime : e.id == kShutdownEvent ? kShutdownStartTime : kStartTime;
    std::optional<LocalTime> time = b.fields[begun] ? TimeOf(*b.fields[begun]) : std::nullopt;
    if (!time && b.created) time = TimeOf(*b.created);
    if (!time) b.Fault("日時が読み取れません: " + std::string(kFieldNames[begun]));
    else e.time = *time;
    if (e.id == kStartEvent) {
        e.mainPathMs = number(kMainPathBootTime, true);
        e.postBootMs = number(kBootPostBootTime, true);
        e.bootMs = number(kBootTime, false);
        if (b.fields[kBootIsRebootAfterInstall]) {
            const auto truth = TruthOf(*b.fields[kBootIsRebootAfterInstall]);
            if (!truth) b.Fault("真偽値ではありません: BootIsRebootAfterInstall");
            e.afterInstall = truth.value_or(false);
        }
    } else if (e.id == kShutdownEvent) {
        e.shutdownMs = number(kShutdownTime, true);
    } else {
        e.degradationMs = number(kDegradationTime, true);
        e.totalMs = number(kTotalTime, false);
        e.name = Readable(b.fields[kName].value_or(""));
        e.friendlyName = Readable(b.fields[kFriendlyName].value_or(""));
        if (e.name.empty() && e.friendlyName.empty()) b.Fault("必要な値がありません: Name");
    }
    return b.fault.empty();
}

// The one pass over the text.
class EventReader {
public:
    explicit EventReader(std::string_view text) : s_(text) {}

    EventParse Read() {
        while (pos_ < s_.size()) {
            const size_t lt = s_.find('<', pos_);
            Text(s_.substr(pos_, lt == std::string_view::npos ? std::string_view::npos : lt - pos_));
            if (lt == std::string_view::npos) break;
            pos_ = lt;
            if (!Markup()) break;
        }
        if (event_.open) {
            event_.Fault("イベントが途中で終わっています");
            Close();
        }
        return std::move(result_);
    }

private:
    bool At(std::string_view prefix) const { return s_.substr(pos_, prefix.size()) == prefix; }

    // Skips past the closing mark; false at the end of the text.
    bool SkipPast(std::string_view closing) {
        const size_t end = s_.find(closing, pos_);
        if (end == std::string_view::npos) {
            if (event_.open) event_.Fault(kBadShape);
            pos_ = s_.size();
            return false;
        }
        pos_ = end + closing.size();
        return true;
    }

    bool Markup() {
        if (At("<!--")) return SkipPast("-->");
        if (At("<?")) return SkipPast("?>");
        if (At("<![CDATA[")) {
            const size_t begin = pos_ + 9;
            if (!SkipPast("]]>")) return false;
            if (capture_) Append(s_.substr(begin, pos_ - 3 - begin), false);
            return true;
        }
        if (At("<!")) return SkipPast(">");
        if (At("</")) {
            const size_t begin = pos_ + 2;
            if (!SkipPast(">")) return false;
            EndTag(LocalName(Trimmed(s_.substr(begin, pos_ - 1 - begin))));
            return true;
        }
        return StartTag();
    }

    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    void SkipBlanks() {
        while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
    }
    std::string_view Word() {
        const size_t begin = pos_;
        while (pos_ < s_.size() && !IsBlank(s_[pos_]) && s_[pos_] != '>' && s_[pos_] != '/' && s_[pos_] != '=')
            ++pos_;
        return s_.substr(begin, pos_ - begin);
    }

    // <name attribute="value" ...> or <name .../>; a broken one is passed over.
    bool StartTag() {
        ++pos_;
        const std::string_view name = LocalName(Word());
        std::optional<std::string> dataName, systemTime;
        for (;;) {
            SkipBlanks();
            if (pos_ >= s_.size()) {
                if (event_.open) event_.Fault(kBadShape);
                return false;
            }
            if (s_[pos_] == '>' || At("/>")) break;
            const std::string_view attribute = Word();
            SkipBlanks();
            bool quoted = false;
            if (pos_ < s_.size() && s_[pos_] == '=') {
                ++pos_;
                SkipBlanks();
                quoted = pos_ < s_.size() && (s_[pos_] == '"' || s_[pos_] == '\'');
            }
            if (attribute.empty() || !quoted) {
                if (event_.open) event_.Fault(kBadShape);
                return SkipPast(">");
            }
            const char quote = s_[pos_++];
            const size_t end = s_.find(quote, pos_);
            if (end == std::string_view::npos) {
                if (event_.open) event_.Fault(kBadShape);
                pos_ = s_.size();
                return false;
            }
            std::string value;
            if (end - pos_ <= kLongestValue) AppendDecoded(value, s_.substr(pos_, end - pos_));
            if (LocalName(attribute) == "Name") dataName = std::move(value);
            else if (LocalName(attribute) == "SystemTime") systemTime = std::move(value);
            pos_ = end + 1;
        }
        const bool empty = At("/>");
        pos_ += empty ? 2 : 1;
        StartElement(name, dataName, systemTime, empty);
        return true;
    }

    void StartElement(std::string_view name, const std::optional<std::string>& dataName,
                      const std::optional<std::string>& systemTime, bool empty) {
        if (name == "Event") {
            if (event_.open) {
                event_.Fault("イベントが閉じられていません");
                Close();
            }
            event_ = EventBuilder{};
            event_.open = true;
            if (empty) Close();
            return;
        }
        if (!event_.open) return;
        if (capture_) {
            event_.Fault(kBadShape);  // nothing is nested in the values read
            capture_ = false;
        }
        if (name == "TimeCreated" && systemTime) event_.created = *systemTime;
        std::optional<std::string>* target = nullptr;
        if (name == "EventID") target = &event_.id;
        if (name == "Data" && dataName)
            if (const auto field = FieldNamed(*dataName)) target = &event_.fields[*field];
        if (!target || *target) return;  // a value named twice keeps the first
        *target = std::string();
        if (empty) return;
        capture_ = true;
        captured_ = target;
        capturedName_ = name;
    }

    void EndTag(std::string_view name) {
        if (capture_ && name == capturedName_) capture_ = false;
        if (name == "Event" && event_.open) Close();
    }

    void Text(std::string_view raw) {
        if (capture_ && !raw.empty()) Append(raw, true);
    }

    void Append(std::string_view raw, bool decode) {
        if ((*captured_)->size() + raw.size() > kLongestValue) {
            event_.Fault("値が長すぎます");
            capture_ = false;
            return;
        }
        if (decode) AppendDecoded(**captured_, raw);
        else (*captured_)->append(raw);
    }

    void Close() {
        capture_ = false;
        event_.open = false;
        DiagnosticEvent e;
        if (Finish(event_, e)) {
            result_.events.push_back(std::move(e));
        } else if (!event_.fault.empty()) {
            if (result_.unreadable++ == 0) result_.problem = event_.fault;
        }
    }

    std::string_view s_;
    size_t pos_ = 0;
    EventBuilder event_;
    bool capture_ = false;
    std::optional<std::string>* captured_ = nullptr;
    std::string_view capturedName_;
    EventParse result_;
};
}  // namespace

bool IsDiagnosticId(int id) {
    return id == kStartEvent || id == kShutdownEvent || id == kSlowApplication || id == kSlowDriver ||
           id == kSlowService || id == kSlowDevice;
}

EventParse ParseDiagnosticEvents(std::string_view text) {
    if (text.size() > kLargestEventText) return {{}, 1, "イベントの記録が大きすぎます"};
    return EventReader(text).Read();
}

}  // namespace brisko
