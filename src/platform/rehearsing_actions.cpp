#include "platform/rehearsing_actions.h"

#include "platform/registry_values.h"

namespace brisko {

namespace {
// Message texts begin and break lines with CR LF; a note is one line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
            continue;
        }
        line += c;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}
}  // namespace

bool RehearsingLauncher::Rehearsed(const std::string& note) {
    if (!journal_.Rehearsing()) return false;
    journal_.Note(note);
    return true;
}

void RehearsingLauncher::ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                                   ShowMode show) {
    if (!Rehearsed("実行: " + file + (parameters.empty() ? "" : " " + parameters)))
        inner_.ShellOpen(verb, file, parameters, show);
}

void RehearsingLauncher::RunHidden(const std::string& commandLine) {
    if (!Rehearsed("実行: " + commandLine)) inner_.RunHidden(commandLine);
}

void RehearsingLauncher::RunInNewConsole(const std::string& commandLine) {
    if (!Rehearsed("実行: " + commandLine)) inner_.RunInNewConsole(commandLine);
}

StartResult RehearsingLauncher::RunInNewConsoleAndWait(const std::string& commandLine,
                                                       const std::function<void()>& keepAlive) {
    if (Rehearsed("実行: " + commandLine)) return {};
    return inner_.RunInNewConsoleAndWait(commandLine, keepAlive);
}

int RehearsingLauncher::RunAndWait(const std::string& commandLine, const std::function<void()>& keepAlive,
                                   int timeLimitMs) {
    if (Rehearsed("実行: " + commandLine)) return 0;
    return inner_.RunAndWait(commandLine, keepAlive, timeLimitMs);
}

void RehearsingLauncher::RestartWindows() {
    if (!Rehearsed("Windows の再起動")) inner_.RestartWindows();
}

void RehearsingLauncher::RestartExplorer() {
    if (!Rehearsed("Explorer の再起動")) inner_.RestartExplorer();
}

bool RehearsingPrompts::Rehearsed(PromptKind kind, const std::string& text) {
    if (!journal_.Rehearsing()) return false;
    journal_.Note(std::string(PromptCaption(kind)) + ": " + OneLine(text));
    return true;
}

bool RehearsingPrompts::Confirm(const std::string& text) {
    if (Rehearsed(PromptKind::Confirm, text)) return false;
    return inner_.Confirm(text);
}

bool RehearsingPrompts::ConfirmChanges(const std::string& question, const std::vector<ChangeLine>& changes) {
    if (Rehearsed(PromptKind::Confirm, question)) return false;
    return inner_.ConfirmChanges(question, changes);
}

void RehearsingPrompts::Inform(const std::string& text) {
    if (!Rehearsed(PromptKind::Inform, text)) inner_.Inform(text);
}

void RehearsingPrompts::Warn(const std::string& text) {
    if (!Rehearsed(PromptKind::Warn, text)) inner_.Warn(text);
}

void RehearsingPrompts::Error(const std::string& text) {
    if (!Rehearsed(PromptKind::Error, text)) inner_.Error(text);
}

void RehearsingPrompts::TitledError(const std::string& text) {
    if (!Rehearsed(PromptKind::TitledError, text)) inner_.TitledError(text);
}

ServiceAnswer RehearsingServices::StopAndWait(const std::string& keyName, std::chrono::milliseconds bound) {
    if (!journal_.Rehearsing()) return inner_.StopAndWait(keyName, bound);
    journal_.Note("サービスの停止: " + keyName);
    return {};
}

ServiceAnswer RehearsingServices::StartAndWait(const std::string& keyName, std::chrono::milliseconds bound) {
    if (!journal_.Rehearsing()) return inner_.StartAndWait(keyName, bound);
    journal_.Note("サービスの開始: " + keyName);
    return {};
}

ServiceAnswer RehearsingServices::PauseAndWait(const std::string& keyName, std::chrono::milliseconds bound) {
    if (!journal_.Rehearsing()) return inner_.PauseAndWait(keyName, bound);
    journal_.Note("サービスの一時停止: " + keyName);
    return {};
}

ServiceAnswer RehearsingServices::ContinueAndWait(const std::string& keyName, std::chrono::milliseconds bound) {
    if (!journal_.Rehearsing()) return inner_.ContinueAndWait(keyName, bound);
    journal_.Note("サービスの再開: " + keyName);
    return {};
}

ServiceAnswer RehearsingServices::ChangeStartType(const std::string& keyName, unsigned long startType) {
    ServiceAnswer answer;
    const auto value = RegValueDataOf(kind::kDword, std::to_string(startType));
    journal_.SetValueMadeBy(RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Services\\" + keyName, "Start", *value,
                            [&] {
                                answer = inner_.ChangeStartType(keyName, startType);
                                return answer.Done();
                            });
    return answer;
}

}  // namespace brisko
