#include "support/simulated_machine.h"

namespace brisko::testing {

void FillPowerAndOthersValues(SimulatedWindows, RegistryStore&) {}  // PLACEHOLDER: being written

}  // namespace brisko::testing
