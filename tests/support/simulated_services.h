#pragma once
// A handful of services and drivers as a fresh Japanese XP lists them, with
// the states the service manager reports for them.
#include "platform/registry_store.h"
#include "support/fake_service_manager.h"

namespace brisko::testing {

void FillSimulatedServices(RegistryStore& registry, FakeServiceManager& services);

}  // namespace brisko::testing
