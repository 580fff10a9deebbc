#include "support/simulated_machine.h"

namespace brisko::testing {

void FillDesktopAndExplorerValues(SimulatedWindows, RegistryStore&) {}  // PLACEHOLDER: being written

}  // namespace brisko::testing
