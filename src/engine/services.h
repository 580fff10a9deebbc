#pragma once
// The services page: every service the program may stop (a Win32 service of
// its own or a shared process, with a plain-string display name and a logon
// account, that the service manager lets it stop and change) as one entry,
// sorted by display name; ticked when the service is stopped. Each entry acts
// on its service by key name.
#include <map>
#include <string>
#include <vector>

#include "engine/program_context.h"

namespace brisko {

struct ListedService {
    std::string keyName;
    std::string displayName;
};

// The services the page offers, in the registry's order. Never a driver, nor
// a per-user service's template or instance; on Vista and later none of the
// services Windows needs (engine/protected_services.h); never one the service
// manager will not open to stop and change, or that is launch-protected:
// `refused`, when given, gets the key names of those left out only for that.
std::vector<ListedService> ListServices(ProgramContext& ctx, std::vector<std::string>* refused = nullptr);

// The key name of the service at a position of the page's list; empty where
// there is none.
std::string ServiceKeyAt(ProgramContext& ctx, size_t position);

// The states of every service from one enumeration of the service manager;
// a service the enumeration does not name (or every service, when the
// manager cannot be enumerated) is asked about on its own.
class ServiceStates {
public:
    explicit ServiceStates(ProgramContext& ctx);
    bool Enumerated() const { return enumerated_; }
    ServiceState Of(const std::string& keyName) const;

private:
    ProgramContext& ctx_;
    bool enumerated_ = false;
    std::map<std::u32string, ServiceState> states_;  // by upper-cased key name; the first of equal names
};

// Fills the empty service list and its rules: one entry per listed service,
// sorted without regard to case (equal names keep their order); each is
// optimised when the service was stopped at this moment. The states come
// from one enumeration of the service manager.
void FillServiceList(ProgramContext& ctx);

// The services page as it is first needed: the list filled, each stopped
// service ticked and recorded, every entry enabled as the page is allowed.
void ReadServiceList(ProgramContext& ctx);

// The description of a service: the plain-text template's nine "%s" filled
// with display name, description, key name, display name, start type,
// account, image path, dependencies and dependents.
std::string ServiceDetailsText(ProgramContext& ctx, const std::string& displayName, const std::string& plainTemplate);

}  // namespace brisko
