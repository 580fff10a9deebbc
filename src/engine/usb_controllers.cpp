#include "engine/usb_controllers.h"

#include <cstdio>

#include "platform/registry_values.h"

namespace brisko {

std::string UsbClassKey(const OsEdition& os) {
    return os.family == "NT" ? "\\SYSTEM\\CurrentControlSet\\Control\\Class\\{36FC9E60-C465-11CF-8056-444553540000}"
                             : "\\System\\CurrentControlSet\\Services\\Class\\Usb";
}

std::vector<std::string> UsbControllerKeys(ProgramContext& ctx) {
    const std::string usb = UsbClassKey(ctx.os);
    std::vector<std::string> keys;
    for (int n = 0; n < 20; ++n) {
        char name[8];
        std::snprintf(name, sizeof name, "%04d", n);
        if (!RegExists(ctx.platform.registry, RegRoot::LocalMachine, usb, name, "Key")) break;
        keys.push_back(usb + "\\" + name);
    }
    return keys;
}

}  // namespace brisko
