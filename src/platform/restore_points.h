#pragma once
// System Restore as the program reaches it: a restore point asked for before
// a change to the machine, ended after it, or cancelled when nothing changed.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace brisko {

struct RestorePointStart {
    // Reused: Windows 8 and later make no new point within 24 hours of the
    // last one and answer with that one's number instead.
    enum class State { NotAsked, Made, Declined, Reused };
    State state = State::NotAsked;
    int64_t sequence = 0;  // what End and Cancel name; only when Made
    std::string reason;    // why Windows declined, in words
};

class RestorePoints {
public:
    virtual ~RestorePoints() = default;
    // Asks for a "modify settings" restore point at the start of a change.
    // NotAsked where this Windows has no System Restore.
    virtual RestorePointStart Begin(const std::string& description) = 0;
    // The number of the newest restore point there is (0: none), asked
    // before Begin to tell a new point from one Windows reused; nullopt when
    // it cannot be told.
    virtual std::optional<int64_t> NewestSequence() = 0;
    // The change is over: the point stands.
    virtual void End(int64_t sequence) = 0;
    // Nothing was changed: the point goes again.
    virtual void Cancel(int64_t sequence) = 0;
};

// A Windows without System Restore: nothing is ever asked.
class NoRestorePoints final : public RestorePoints {
public:
    RestorePointStart Begin(const std::string&) override { return {}; }
    std::optional<int64_t> NewestSequence() override { return std::nullopt; }
    void End(int64_t) override {}
    void Cancel(int64_t) override {}
};

// Keeps what was asked, "Begin <description>", "End <n>", "Cancel <n>", and
// answers as told; onCall sees each request as it comes.
class MemoryRestorePoints final : public RestorePoints {
public:
    RestorePointStart Begin(const std::string& description) override;
    std::optional<int64_t> NewestSequence() override { return newest; }
    void End(int64_t sequence) override;
    void Cancel(int64_t sequence) override;

    std::vector<std::string> calls;
    RestorePointStart answer{RestorePointStart::State::Made, 1, ""};
    std::optional<int64_t> newest = 0;
    std::function<void(const std::string&)> onCall;

private:
    void Called(std::string call);
};

// Passes every request on and writes each, with Windows' answer, as a line
// of a UTF-8 log file: "Begin\t<description>\t<Made n|Declined reason|NotAsked>",
// "End\t<n>", "Cancel\t<n>". The program uses it when the environment names a
// log (BRISKO_RESTORE_POINT_LOG), so a test run shows what was asked.
class LoggedRestorePoints final : public RestorePoints {
public:
    LoggedRestorePoints(RestorePoints& inner, FileSystem& files, std::string logPath)
        : inner_(inner), files_(files), logPath_(std::move(logPath)) {}
    RestorePointStart Begin(const std::string& description) override;
    std::optional<int64_t> NewestSequence() override { return inner_.NewestSequence(); }
    void End(int64_t sequence) override;
    void Cancel(int64_t sequence) override;

private:
    void Append(const std::string& line);
    RestorePoints& inner_;
    FileSystem& files_;
    std::string logPath_;
};

// The result in words, for messages and logs: "作成しました (番号 n)",
// "Windows は 24 時間以内の復元ポイントを使います (番号 n)",
// "作成できませんでした: <reason>", "この Windows にはありません".
std::string RestorePointText(const RestorePointStart& start);

}  // namespace brisko
