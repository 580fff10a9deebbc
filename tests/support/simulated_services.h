#pragma once
// The services of the simulated machines, written to the registry with the
// states (and refusals) the service manager reports for them: a handful of
// services and drivers as a fresh Japanese XP lists them (services.tsv), or
// a Windows 10's (services_win10.tsv).
#include "platform/registry_store.h"
#include "support/fake_service_manager.h"

namespace brisko::testing {

void FillSimulatedServices(RegistryStore& registry, FakeServiceManager& services);
void FillWindows10Services(RegistryStore& registry, FakeServiceManager& services);

}  // namespace brisko::testing
