#include "platform/registry_tools.h"

namespace brisko {

namespace {
std::string Quoted(const std::string& s) { return "\"" + s + "\""; }
}  // namespace

void RegExportKey(ProcessLauncher& launcher, const OsEdition& os, const std::string& rootText,
                  const std::string& keyPath, const std::string& fileName) {
    if (os.edition == "XP")
        launcher.ShellOpen("open", "reg", "save " + Quoted(rootText + keyPath) + " " + Quoted(fileName), ShowMode::Hidden);
    else
        launcher.ShellOpen("Open", "Regedit.exe", "/E " + Quoted(fileName) + " " + Quoted(rootText + keyPath),
                           ShowMode::Hidden);
}

void RegImportKey(ProcessLauncher& launcher, const OsEdition& os, const std::string& rootText,
                  const std::string& keyPath, const std::string& fileName) {
    if (os.edition == "XP")
        launcher.ShellOpen("open", "reg", "restore " + Quoted(rootText + keyPath) + " " + Quoted(fileName),
                           ShowMode::Hidden);
    else
        launcher.ShellOpen("Open", "Regedit.exe", "/s " + Quoted(fileName), ShowMode::Hidden);
}

}  // namespace brisko
