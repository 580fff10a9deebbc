#include "platform/recording_process_launcher.h"

namespace brisko {

void RecordingProcessLauncher::Append(const std::string& line) { files_.AppendToFile(logPath_, line + "\r\n"); }

void RecordingProcessLauncher::ShellOpen(const std::string& verb, const std::string& file,
                                         const std::string& parameters, ShowMode show) {
    Append("ShellOpen\t" + verb + "\t" + file + "\t" + parameters + "\t" +
           (show == ShowMode::Hidden ? "Hidden" : show == ShowMode::Unowned ? "Unowned" : "Normal"));
}

void RecordingProcessLauncher::RunHidden(const std::string& commandLine) { Append("RunHidden\t" + commandLine); }

void RecordingProcessLauncher::RunInNewConsole(const std::string& commandLine) {
    Append("RunInNewConsole\t" + commandLine);
}

StartResult RecordingProcessLauncher::RunInNewConsoleAndWait(const std::string& commandLine,
                                                             const std::function<void()>&) {
    Append("RunInNewConsoleAndWait\t" + commandLine);
    return {};
}

int RecordingProcessLauncher::RunAndWait(const std::string& commandLine, const std::function<void()>&, int) {
    Append("RunAndWait\t" + commandLine);
    return 0;
}

void RecordingProcessLauncher::RestartWindows() { Append("RestartWindows"); }

void RecordingProcessLauncher::RestartExplorer() { Append("RestartExplorer"); }

}  // namespace brisko
