#pragma once
// The launcher, the prompts and the service manager as the program reaches
// them: they pass everything through, except while the journal rehearses an
// action. Then nothing starts and no question is shown: each start, restart
// and message is noted in the journal as a line of text, and every question
// gets No, the answer that changes nothing more.
#include "platform/processes.h"
#include "platform/prompts.h"
#include "platform/service_manager.h"
#include "platform/write_journal.h"

namespace brisko {

class RehearsingLauncher final : public ProcessLauncher {
public:
    RehearsingLauncher(WriteJournal& journal, ProcessLauncher& inner) : journal_(journal), inner_(inner) {}

    void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                   ShowMode show) override;
    void RunHidden(const std::string& commandLine) override;
    void RunInNewConsole(const std::string& commandLine) override;
    // Rehearsed: counts as started.
    StartResult RunInNewConsoleAndWait(const std::string& commandLine,
                                       const std::function<void()>& keepAlive) override;
    // Rehearsed: counts as a command that ended with exit code 0.
    int RunAndWait(const std::string& commandLine, const std::function<void()>& keepAlive,
                   int timeLimitMs = kNoTimeLimit) override;
    void RestartWindows() override;
    void RestartExplorer() override;
    std::string ProgramPath(const std::string& name) override { return inner_.ProgramPath(name); }

private:
    bool Rehearsed(const std::string& note);
    WriteJournal& journal_;
    ProcessLauncher& inner_;
};

class RehearsingPrompts final : public Prompts {
public:
    RehearsingPrompts(WriteJournal& journal, Prompts& inner) : journal_(journal), inner_(inner) {}

    bool Confirm(const std::string& text) override;
    bool ConfirmChanges(const std::string& question, const std::vector<ChangeLine>& changes) override;
    void Inform(const std::string& text) override;
    void Warn(const std::string& text) override;
    void Error(const std::string& text) override;
    void TitledError(const std::string& text) override;

private:
    bool Rehearsed(PromptKind kind, const std::string& text);
    WriteJournal& journal_;
    Prompts& inner_;
};

// A start-type change is the registry write the manager makes (the service's
// "Start"), so the journal records it once the manager has made it; while
// rehearsing it goes to the overlay instead, a stop or a start is noted, and
// each counts as done. Queries pass through.
class RehearsingServices final : public ServiceManager {
public:
    RehearsingServices(WriteJournal& journal, ServiceManager& inner) : journal_(journal), inner_(inner) {}

    ServiceState QueryState(const std::string& keyName) override { return inner_.QueryState(keyName); }
    std::optional<std::vector<std::pair<std::string, ServiceState>>> EnumerateStates() override {
        return inner_.EnumerateStates();
    }
    std::optional<std::string> IndirectText(const std::string& keyName, const std::string& valueName) override {
        return inner_.IndirectText(keyName, valueName);
    }
    std::optional<std::vector<std::string>> ActiveDependents(const std::string& keyName) override {
        return inner_.ActiveDependents(keyName);
    }
    std::optional<unsigned long> StartType(const std::string& keyName) override { return inner_.StartType(keyName); }
    ServiceAccess Access(const std::string& keyName) override { return inner_.Access(keyName); }
    ServiceAnswer StopAndWait(const std::string& keyName, std::chrono::milliseconds bound) override;
    ServiceAnswer StartAndWait(const std::string& keyName, std::chrono::milliseconds bound) override;
    ServiceAnswer ChangeStartType(const std::string& keyName, unsigned long startType) override;
    ServiceAnswer PauseAndWait(const std::string& keyName, std::chrono::milliseconds bound) override;
    ServiceAnswer ContinueAndWait(const std::string& keyName, std::chrono::milliseconds bound) override;

private:
    WriteJournal& journal_;
    ServiceManager& inner_;
};

}  // namespace brisko
