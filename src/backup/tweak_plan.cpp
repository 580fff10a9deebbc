#include "backup/tweak_plan.h"

#include <optional>
#include <set>

#include "engine/services.h"
#include "platform/error.h"
#include "platform/profile/profile_document.h"
#include "platform/text/case_fold.h"

namespace brisko {

namespace {
using namespace planmark;

// The service key name behind each entry of the service list, in list order:
// the key its rule acts on, so entries with equal display names stay apart.
std::vector<std::string> ServiceKeyNames(ProgramContext& ctx) {
    std::vector<std::string> keys;
    for (size_t i = 0; i < ctx.items.List(TweakCategory::Service).size(); ++i) keys.push_back(ServiceKeyAt(ctx, i));
    return keys;
}

bool Available(ProgramContext& ctx, TweakCategory c, size_t position) {
    if (!ctx.items.Rule(c, position) || !ctx.items.List(c)[position].enabled) return false;
    return c != TweakCategory::Service || ctx.controls.IsEnabled("LstService");
}

// A service key name a plan can hold as a key: one that reads back as itself.
bool SafePlanKey(const std::string& name) {
    return !name.empty() && name.find_first_of("=[];\r\n") == std::string::npos && name.front() != ' ' &&
           name.back() != ' ' && name.find('\0') == std::string::npos;
}

std::string RefusedName(TweakCategory c, const std::string& label) {
    return "[" + std::string(CategoryName(c)) + "] " + label;
}

std::optional<bool> Wanted(const std::string& value) {
    if (value == "1") return true;
    if (value == "0") return false;
    return std::nullopt;
}

// The number of an item key ("1" to "10"); 0 for anything else.
size_t ItemNumber(const std::string& key) {
    if (key.empty() || key.size() > 2 || key.find_first_not_of("0123456789") != std::string::npos) return 0;
    return key.size() == 1 ? size_t(key[0] - '0') : size_t(key[0] - '0') * 10 + size_t(key[1] - '0');
}

// A wanted tick, before anything is set: category, list position (or, for a
// service not listed here, none) and the name it is refused under.
struct Want {
    TweakCategory category;
    std::optional<size_t> position;
    std::string name;
    bool ticked;
};

bool KnownSection(const std::string& name) {
    if (text::AsciiNamesEqual(name, kOpenSection) || text::AsciiNamesEqual(name, kCloseSection)) return true;
    for (TweakCategory c : kAllCategories)
        if (text::AsciiNamesEqual(name, std::string(CategoryKey(c)))) return true;
    return false;
}

// What a reader taking the first of each would pass over: a section twice,
// a key twice in one section, a section no plan has. The refusal names the
// line; empty when there is none.
std::string StructureProblem(const profile::ProfileDocument& doc) {
    std::vector<std::string> sections;
    std::set<std::u32string> keys;  // the open section's, as the registry compares them
    for (const auto& line : doc.Outline()) {
        const std::string at = "プラン ファイルの " + std::to_string(line.number) + " 行目: ";
        if (line.section) {
            for (const auto& seen : sections)
                if (text::AsciiNamesEqual(seen, line.name)) return at + "セクション [" + line.name + "] が二度あります。";
            if (!KnownSection(line.name)) return at + "プランにないセクション [" + line.name + "] です。";
            sections.push_back(line.name);
            keys.clear();
            continue;
        }
        if (!line.hasValue || line.name.starts_with(";") || sections.empty()) continue;
        if (!keys.insert(text::RegistryUpper(line.name)).second)
            return at + "[" + sections.back() + "] のキー " + line.name + " が二度あります。";
    }
    return "";
}

// Every wanted tick of the document, or nullopt when it is no complete plan.
std::optional<std::vector<Want>> ReadWants(ProgramContext& ctx, const profile::ProfileDocument& doc) {
    if (doc.Read(kOpenSection, kOpenKey) != kFormat || !doc.Read(kCloseSection, kCloseKey)) return std::nullopt;
    std::vector<Want> wants;
    for (TweakCategory c : kSettingCategories) {
        const std::string section(CategoryKey(c));
        for (const std::string& key : doc.Keys(section)) {
            const auto ticked = Wanted(doc.Read(section, key).value_or(""));
            const size_t number = ItemNumber(key);
            if (!ticked || number < 1 || number > kItemsPerCategory) return std::nullopt;
            const auto& list = ctx.items.List(c);
            const std::string label = number <= list.size() ? list[number - 1].label : std::to_string(number);
            wants.push_back({c, number <= list.size() ? std::optional(number - 1) : std::nullopt, label, *ticked});
        }
    }
    const std::string services(CategoryKey(TweakCategory::Service));
    const std::vector<std::string> keyNames = ServiceKeyNames(ctx);
    std::map<std::u32string, size_t> positions;  // the last entry of each name, as before
    for (size_t i = 0; i < keyNames.size(); ++i) positions[text::RegistryUpper(keyNames[i])] = i;
    for (const std::string& key : doc.Keys(services)) {
        const auto ticked = Wanted(doc.Read(services, key).value_or(""));
        if (!ticked) return std::nullopt;
        Want want{TweakCategory::Service, std::nullopt, key, *ticked};
        if (const auto found = positions.find(text::RegistryUpper(key)); found != positions.end()) {
            want.position = found->second;
            want.name = ctx.items.List(TweakCategory::Service)[found->second].label;
        }
        wants.push_back(want);
    }
    return wants;
}

// The document of the bytes; a UTF-8 mark (a plan saved by an editor) is dropped.
profile::ProfileDocument PlanDocument(const std::string& bytes) {
    const bool utf8 = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    return profile::ProfileDocument::Parse(utf8 ? bytes.substr(3) : bytes);
}
}  // namespace

bool HasPlanMark(const std::string& bytes) {
    if (bytes.size() > kLargestPlan) return false;
    return PlanDocument(bytes).Read(kOpenSection, kOpenKey).has_value();
}

void WritePlanFile(ProgramContext& ctx, const std::string& path) {
    profile::ProfileDocument doc = profile::ProfileDocument::Parse("");
    doc.Write(kOpenSection, kOpenKey, kFormat);
    // Only what this machine may set: a disabled item, or a service while the
    // services page is unavailable, would otherwise travel as a choice.
    for (TweakCategory c : kSettingCategories) {
        const auto& list = ctx.items.List(c);
        for (size_t i = 0; i < list.size(); ++i)
            if (Available(ctx, c, i)) doc.Write(std::string(CategoryKey(c)), std::to_string(i + 1), list[i].ticked ? "1" : "0");
    }
    const auto& services = ctx.items.List(TweakCategory::Service);
    const std::vector<std::string> keyNames = ServiceKeyNames(ctx);
    for (size_t i = 0; i < services.size(); ++i)
        if (SafePlanKey(keyNames[i]) && Available(ctx, TweakCategory::Service, i))
            doc.Write(std::string(CategoryKey(TweakCategory::Service)), keyNames[i], services[i].ticked ? "1" : "0");
    doc.Write(kCloseSection, kCloseKey, "1");
    if (!ctx.platform.files.WriteReplacing(path, doc.Serialize()))
        throw BriskoError(FormatUserMessage("%s に書き込めません", path));
}

std::string PlanRefusalMessage(const PlanLoad& load) {
    std::string text = "次の項目は無効か、このコンピュータでは使えないため、プランの通りに設定できませんでした。\r\n";
    for (const std::string& name : load.refused) text += "\r\n" + name;
    return text;
}

PlanLoad LoadPlanFile(ProgramContext& ctx, const std::string& path) {
    PlanLoad load;
    const auto attributes = ctx.platform.files.GetAttributes(path);
    if (!attributes || (*attributes & fileattr::kDirectory)) return load;
    const auto bytes = ctx.platform.files.ReadFile(path, kLargestPlan);
    const bool utf16 = bytes && bytes->size() >= 2 && bytes->compare(0, 2, "\xFF\xFE") == 0;
    if (!bytes || bytes->size() > kLargestPlan || (!utf16 && bytes->find('\0') != std::string::npos)) return load;
    const profile::ProfileDocument doc = PlanDocument(*bytes);
    if (const auto crowded = doc.CrowdedSection()) {
        load.problem = CrowdedRefusal("プラン", *crowded);
        return load;
    }
    const auto wants = ReadWants(ctx, doc);
    if (!wants) return load;
    load.problem = StructureProblem(doc);
    if (!load.problem.empty()) return load;
    load.recognised = true;
    for (const Want& w : *wants) {
        if (w.position && Available(ctx, w.category, *w.position)) {
            ctx.items.List(w.category)[*w.position].ticked = w.ticked;
            load.named.emplace_back(w.category, *w.position);
            continue;
        }
        const bool tickedNow = w.position && ctx.items.List(w.category)[*w.position].ticked;
        if (w.ticked != tickedNow) load.refused.push_back(RefusedName(w.category, w.name));
    }
    return load;
}

}  // namespace brisko
