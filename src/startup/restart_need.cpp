#include "startup/restart_need.h"

#include <algorithm>

#include "engine/rehearsal.h"
#include "platform/text/case_fold.h"
#include "startup/silent_run.h"

namespace brisko {

namespace {
using Kind = RecordedWrite::Kind;

std::string KeyId(RegRoot root, const std::string& path, const std::string& name) {
    const std::string bare = !path.empty() && path[0] == '\\' ? path.substr(1) : path;
    return std::to_string(static_cast<int>(root)) + "|" + text::AsciiLower(bare) + "|" + text::AsciiLower(name);
}

// Whether the write would leave the registry or a file otherwise than it is now.
bool Changes(ProgramContext& ctx, const RecordedWrite& w) {
    RegistryStore& reg = ctx.platform.registry;
    FileSystem& files = ctx.platform.files;
    switch (w.kind) {
        case Kind::SetValue: return reg.QueryValue(w.root, w.path, w.name, RegAccess::Query) != w.data;
        case Kind::DeleteValue: return reg.QueryValue(w.root, w.path, w.name, RegAccess::Query).has_value();
        case Kind::CreateKey: return !reg.CanOpenKey(w.root, w.path, RegAccess::Query);
        case Kind::DeleteKey: return reg.CanOpenKey(w.root, w.path, RegAccess::Query);
        case Kind::WriteFile: return files.ReadFile(w.path) != w.bytes;
        case Kind::RemoveFile: return files.ReadFile(w.path).has_value();
    }
    return true;
}

// The values of the items that need only Explorer restarted.
std::vector<std::string> ExplorerOnlyValues(const ProgramContext& ctx) {
    std::vector<std::string> ids;
    for (TweakCategory c : kAllCategories)
        for (size_t i = 0; i < ctx.items.List(c).size(); ++i)
            if (const ItemRule* rule = ctx.items.Rule(c, i); rule && rule->AfterChange(ctx) == RestartNeed::Explorer)
                for (const RegistryValue& v : rule->OptimisedValues(ctx))
                    ids.push_back(KeyId(v.root, v.keyPath, v.name));
    return ids;
}
}  // namespace

RestartNeed NeedOfChangedItems(const ProgramContext& ctx, const ItemStateTable& before) {
    RestartNeed need = RestartNeed::None;
    for (TweakCategory c : kAllCategories)
        for (size_t i = 0; i < ctx.items.List(c).size(); ++i) {
            if (ctx.items.states.Get(c, i) == before.Get(c, i)) continue;
            const ItemRule* rule = ctx.items.Rule(c, i);
            need = std::max(need, rule ? rule->AfterChange(ctx) : RestartNeed::Windows);
        }
    return need;
}

RestartNeed NeedOfAction(ProgramContext& ctx, const std::function<void()>& action) {
    const std::vector<RecordedWrite> writes = RehearseWrites(ctx, action);
    const std::vector<std::string> explorerOnly = ExplorerOnlyValues(ctx);
    RestartNeed need = RestartNeed::None;
    for (const RecordedWrite& w : writes) {
        if (!Changes(ctx, w)) continue;
        const bool value = w.kind == Kind::SetValue || w.kind == Kind::DeleteValue;
        const bool shellOnly = value && std::find(explorerOnly.begin(), explorerOnly.end(),
                                                  KeyId(w.root, w.path, w.name)) != explorerOnly.end();
        need = std::max(need, shellOnly ? RestartNeed::Explorer : RestartNeed::Windows);
    }
    return need;
}

int DoneExitCode(RestartNeed need, CommandLog& log) {
    switch (need) {
        case RestartNeed::Windows:
            log.Note("変更を反映するには Windows の再起動が必要です (終了コード 3010)。");
            return kExitRestartNeeded;
        case RestartNeed::Explorer:
            log.Note("変更を反映するには Explorer の再起動が必要です (Windows の再起動は不要です)。");
            return kExitDone;
        case RestartNeed::None: break;
    }
    return kExitDone;
}

}  // namespace brisko
