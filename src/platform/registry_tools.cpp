#include "platform/registry_tools.h"

namespace brisko {

namespace {
std::string Quoted(const std::string& s) { return "\"" + s + "\""; }
bool UsesReg(const OsEdition& os) { return os.edition == "XP"; }
}  // namespace

std::string RegToolName(const OsEdition& os) { return UsesReg(os) ? "reg" : "Regedit.exe"; }

std::string RegExportCommand(const OsEdition& os, const std::string& rootText, const std::string& keyPath,
                             const std::string& fileName) {
    if (UsesReg(os)) return "reg save " + Quoted(rootText + keyPath) + " " + Quoted(fileName);
    return "Regedit.exe /E " + Quoted(fileName) + " " + Quoted(rootText + keyPath);
}

std::string RegImportCommand(const OsEdition& os, const std::string& rootText, const std::string& keyPath,
                             const std::string& fileName) {
    if (UsesReg(os)) return "reg restore " + Quoted(rootText + keyPath) + " " + Quoted(fileName);
    return "Regedit.exe /s " + Quoted(fileName);
}

int RegExportKey(ProcessLauncher& launcher, const OsEdition& os, const std::string& rootText,
                 const std::string& keyPath, const std::string& fileName, const std::function<void()>& keepAlive) {
    return launcher.RunAndWait(RegExportCommand(os, rootText, keyPath, fileName), keepAlive, kRegToolTimeLimitMs);
}

int RegImportKey(ProcessLauncher& launcher, const OsEdition& os, const std::string& rootText,
                 const std::string& keyPath, const std::string& fileName, const std::function<void()>& keepAlive) {
    return launcher.RunAndWait(RegImportCommand(os, rootText, keyPath, fileName), keepAlive, kRegToolTimeLimitMs);
}

}  // namespace brisko
