#include "backup/service_entries.h"

#include <map>

#include "backup/exact_state.h"
#include "engine/program_preferences.h"
#include "engine/service_control.h"
#include "engine/services.h"
#include "platform/modern_windows.h"
#include "platform/text/case_fold.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"

namespace brisko {

namespace {
const std::string kDesktop = "デスクトップ", kServices = "不要サービス", kServiceStarts = "不要サービス-s";
const std::string NULLT(kNullText);
constexpr const char* kCenter = "wscsvc";

std::string StartText(const std::optional<unsigned long>& start) {
    return start ? std::to_string(*start) : NULLT;
}

// A recorded start type: a number, or nothing to put back.
std::optional<unsigned long> RecordedStart(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    unsigned long n = 0;
    for (char c : text) n = n * 10 + static_cast<unsigned long>(c - '0');
    return n;
}

// Puts the service back as the row recorded it: stopped, running or paused
// (a row with another state leaves the state), with its start type where one
// was recorded and differs. With `keptUnder` (the services page), the start type
// it had is kept under that display name first, as a tick keeps it.
void PutBack(ProgramContext& ctx, const NamedService& s, const std::string& status, const std::string& start,
             const std::string& keptUnder = NULLT) {
    ServiceManager& manager = ctx.platform.services;
    std::optional<ServiceState> state;
    if (status != ServiceStatusText(manager.QueryState(s.keyName)))
        for (ServiceState settled : {ServiceState::Stopped, ServiceState::Running, ServiceState::Paused})
            if (status == ServiceStatusText(settled)) state = settled;
    const auto now = manager.StartType(s.keyName);
    std::optional<unsigned long> startType = RecordedStart(start);
    if (startType == now) startType.reset();
    if (!state && !startType) return;
    if (keptUnder != NULLT && now) PreferencesOf(ctx).Write(prefkey::kServicesMemory, keptUnder, std::to_string(*now));
    PutServiceBack(ctx, s, state, startType);
}
}  // namespace

BackupEntry SecurityCenterEntry() {
    BackupEntry entry{[](ProgramContext& ctx, const BackupRecorder& rec) {
                          ServiceManager& services = ctx.platform.services;
                          rec(kDesktop, "10", ServiceStatusText(services.QueryState(kCenter)));
                          rec(kDesktop, "10-start", StartText(services.StartType(kCenter)));
                      },
                      [](ProgramContext& ctx, const BackupSource& b) {
                          // Where there is no Security Center there is nothing to put back; from
                          // Windows 8 on the program never changes it.
                          const std::string key = std::string(kServicesKey).substr(1) + "\\" + kCenter;
                          if (!ctx.platform.registry.CanOpenKey(RegRoot::LocalMachine, key, RegAccess::Query)) return;
                          if (IsModernWindows(ctx.platform.system.Version())) return;
                          PutBack(ctx, {kCenter, "セキュリティ センター"}, b.read(kDesktop, "10"),
                                  b.read(kDesktop, "10-start"));
                      }};
    entry.alwaysHeld = [](const OsEdition&) { return std::vector<BackupKey>{{kDesktop, "10"}}; };
    entry.kinds = [](const OsEdition&, const BackupSource&) {
        return std::vector<RecordedKind>{{kDesktop, "10-start", kind::kDword}};
    };
    return entry;
}

BackupEntry ServicesPageEntry() {
    BackupEntry entry{[](ProgramContext& ctx, const BackupRecorder& rec) {
                          const auto services = ListServices(ctx);
                          const ServiceStates states(ctx);
                          for (const auto& s : services) rec(kServices, s.keyName, ServiceStatusText(states.Of(s.keyName)));
                          for (const auto& s : services)
                              rec(kServiceStarts, s.keyName, StartText(ctx.platform.services.StartType(s.keyName)));
                      },
                      // Each recorded service by its key. One the page does not offer (a driver,
                      // one Windows needs, one that is gone) is left alone; one the manager will
                      // not let the program change is named in a warning.
                      [](ProgramContext& ctx, const BackupSource& b) {
                          std::vector<std::string> refused;
                          const auto listed = ListServices(ctx, &refused);
                          // By upper-cased key name, the first of equal names, so that a
                          // backup of thousands of services is matched in one pass.
                          std::map<std::u32string, NamedService> offered, notLetting;
                          for (const auto& s : listed) offered.emplace(text::RegistryUpper(s.keyName), NamedService{s.keyName, s.displayName});
                          for (const auto& key : refused) notLetting.emplace(text::RegistryUpper(key), NamedService{key, key});
                          for (const auto& recordedName : b.keys(kServices)) {
                              const std::u32string upper = text::RegistryUpper(recordedName);
                              const auto it = offered.find(upper);
                              const auto no = notLetting.find(upper);
                              if (it == offered.end() && no == notLetting.end()) continue;
                              const NamedService& s = it != offered.end() ? it->second : no->second;
                              const std::string status = b.read(kServices, recordedName);
                              // An older backup leaves a service in its recorded state alone, start type
                              // and all; a newer one puts a start type back whatever the state.
                              if (!RecordsAbsence(b) && status == ServiceStatusText(ctx.platform.services.QueryState(s.keyName)))
                                  continue;
                              PutBack(ctx, s, status, b.read(kServiceStarts, recordedName),
                                      it != offered.end() ? s.displayName : NULLT);
                          }
                      }};
    entry.kinds = [](const OsEdition&, const BackupSource& b) {
        std::vector<RecordedKind> kinds;
        for (const auto& key : b.keys(kServiceStarts)) kinds.push_back({kServiceStarts, key, kind::kDword});
        return kinds;
    };
    return entry;
}

}  // namespace brisko
