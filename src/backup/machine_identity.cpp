#include "backup/machine_identity.h"

#include <charconv>

#include "platform/registry_values.h"
#include "platform/text/case_fold.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
const std::string kComputerNameKey = "\\SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

bool ReadNumber(const std::string& text, size_t& at, unsigned& number) {
    const auto r = std::from_chars(text.data() + at, text.data() + text.size(), number);
    if (r.ec != std::errc() || r.ptr == text.data() + at) return false;
    at = static_cast<size_t>(r.ptr - text.data());
    return true;
}
}  // namespace

MachineIdentity IdentityOf(ProgramContext& ctx) {
    SystemInfo& system = ctx.platform.system;
    return {ctx.os, system.ComputerName(),
            RegReadValue(ctx.platform.registry, RegRoot::LocalMachine, kComputerNameKey, "ComputerName", kind::kString),
            system.ActualVersion()};
}

std::string BuildText(const WindowsBuild& b) {
    return std::to_string(b.major) + "." + std::to_string(b.minor) + "." + std::to_string(b.build);
}

std::optional<WindowsBuild> ParseBuildText(const std::string& text) {
    WindowsBuild b;
    size_t at = 0;
    if (!ReadNumber(text, at, b.major) || at >= text.size() || text[at++] != '.' || !ReadNumber(text, at, b.minor) ||
        at >= text.size() || text[at++] != '.' || !ReadNumber(text, at, b.build) || at != text.size())
        return std::nullopt;
    return b;
}

bool SameBuild(const WindowsBuild& a, const WindowsBuild& b) {
    return a.major == b.major && a.minor == b.minor && a.build == b.build;
}

bool NamesThisComputer(const MachineIdentity& here, const std::string& name) {
    const auto known = [](const std::string& mine) { return !mine.empty() && mine != kNullText; };
    if (!known(here.computer) && !known(here.registered)) return true;  // nothing to tell it by
    for (const std::string& mine : {here.computer, here.registered})
        if (known(mine) && text::RegistryNamesEqual(mine, name)) return true;
    return false;
}

}  // namespace brisko
