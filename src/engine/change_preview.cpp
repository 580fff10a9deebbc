#include "engine/change_preview.h"

#include <cstdio>
#include <map>

#include "engine/rehearsal.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"

namespace brisko {

namespace {
using Kind = RecordedWrite::Kind;

constexpr const char* kAbsent = "(なし)";
constexpr const char* kDeleted = "(削除)";
constexpr const char* kPresent = "(あり)";
constexpr size_t kShownBytes = 32;  // binary data beyond this is cut short with "…"

std::string KeyText(const RecordedWrite& w) { return FullKeyName(w.root, w.path); }

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    const std::string text = text::Cp932ToUtf8(bytes);
    size_t from = 0;
    while (from < text.size()) {
        size_t to = text.find('\n', from);
        if (to == std::string::npos) to = text.size();
        std::string line = text.substr(from, to - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        from = to + 1;
    }
    return lines;
}

// The lines that differ between two versions of a file: the common head and
// tail left out, the rest paired line by line.
void AddFileLines(std::vector<ChangeLine>& out, const std::string& item, const std::string& path,
                  const std::optional<std::string>& before, const std::optional<std::string>& after) {
    if (!before || !after) {
        out.push_back({item, path, before ? kPresent : kAbsent, after ? kPresent : kDeleted});
        return;
    }
    const auto old = Lines(*before), now = Lines(*after);
    size_t head = 0, tail = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head]) ++head;
    while (tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    for (size_t i = head; i < std::max(old.size(), now.size()) - tail; ++i) {
        const bool inOld = i < old.size() - tail, inNow = i < now.size() - tail;
        out.push_back({item, path + " (行 " + std::to_string(i + 1) + ")", inOld ? old[i] : kAbsent,
                       inNow ? now[i] : kDeleted});
    }
}
}  // namespace

std::string PreviewValueText(const RegValueData& data) {
    switch (data.type) {
        case regtype::kSz:
        case regtype::kExpandSz: return DecodeRegString(data.bytes);
        case regtype::kMultiSz: {
            std::string text = DecodeRegData(data.bytes), joined;
            size_t from = 0;
            for (size_t at; (at = text.find('\0', from)) != std::string::npos && at > from; from = at + 1)
                joined += (joined.empty() ? "" : ", ") + text.substr(from, at - from);
            return joined;
        }
        case regtype::kDword:
            if (data.bytes.size() == 4) {
                uint32_t n = 0;
                for (int i = 3; i >= 0; --i) n = n << 8 | static_cast<unsigned char>(data.bytes[i]);
                char text[32];
                std::snprintf(text, sizeof text, "0x%08x (%u)", n, n);
                return text;
            }
            break;
    }
    std::string hex;
    for (size_t i = 0; i < data.bytes.size() && i < kShownBytes; ++i) {
        char cell[4];
        std::snprintf(cell, sizeof cell, i ? " %02x" : "%02x", static_cast<unsigned char>(data.bytes[i]));
        hex += cell;
    }
    return data.bytes.size() > kShownBytes ? hex + " …" : hex;
}

void AddWriteLines(std::vector<ChangeLine>& out, const std::string& item, const LoggedWrite& logged) {
    const RecordedWrite& w = logged.write;
    switch (w.kind) {
        case Kind::CreateKey: break;
        case Kind::SetValue:
        case Kind::DeleteValue:
            out.push_back({item, KeyText(w) + "\\" + (w.name.empty() ? "(既定)" : w.name),
                           logged.valueBefore ? PreviewValueText(*logged.valueBefore) : kAbsent,
                           w.kind == Kind::SetValue ? PreviewValueText(w.data) : kDeleted});
            break;
        case Kind::DeleteKey: out.push_back({item, KeyText(w), logged.keyBefore ? kPresent : kAbsent, kDeleted}); break;
        case Kind::WriteFile:
        case Kind::RemoveFile:
            AddFileLines(out, item, w.path, logged.fileBefore,
                         w.kind == Kind::WriteFile ? std::optional(w.bytes) : std::nullopt);
            break;
    }
}

std::vector<ChangeLine> PreviewChanges(ProgramContext& ctx) {
    std::vector<ChangeLine> lines;
    const auto items = RehearseApply(ctx, RehearsalScope::ChangedTicks);
    // What each value and file holds when the write comes: a later item may
    // change what an earlier one wrote.
    std::map<std::string, std::optional<RegValueData>> values;
    std::map<std::string, std::optional<std::string>> files;
    for (const RehearsedItem& item : items) {
        const std::string label = "[" + std::string(CategoryName(item.category)) + "] " + item.label;
        for (const RecordedWrite& w : item.writes) {
            LoggedWrite logged{w, std::nullopt, std::nullopt, false};
            switch (w.kind) {
                case Kind::CreateKey: break;
                case Kind::SetValue:
                case Kind::DeleteValue: {
                    const std::string target = KeyText(w) + "\\" + w.name;
                    auto at = values.find(target);
                    if (at == values.end())
                        at = values.emplace(target, ctx.platform.registry.QueryValue(w.root, w.path, w.name,
                                                                                      RegAccess::Query)).first;
                    logged.valueBefore = at->second;
                    at->second = w.kind == Kind::SetValue ? std::optional(w.data) : std::nullopt;
                    break;
                }
                case Kind::DeleteKey:
                    logged.keyBefore = ctx.platform.registry.CanOpenKey(w.root, w.path, RegAccess::Query);
                    break;
                case Kind::WriteFile:
                case Kind::RemoveFile: {
                    auto at = files.find(w.path);
                    if (at == files.end()) at = files.emplace(w.path, ctx.platform.files.ReadFile(w.path)).first;
                    logged.fileBefore = at->second;
                    at->second = w.kind == Kind::WriteFile ? std::optional(w.bytes) : std::nullopt;
                    break;
                }
            }
            AddWriteLines(lines, label, logged);
        }
        for (const std::string& action : item.otherActions) lines.push_back({label, action, "", ""});
    }
    return lines;
}

}  // namespace brisko
