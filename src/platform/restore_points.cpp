#include "platform/restore_points.h"

namespace brisko {

RestorePointStart MemoryRestorePoints::Begin(const std::string& description) {
    Called("Begin " + description);
    return answer;
}

void MemoryRestorePoints::End(int64_t sequence) { Called("End " + std::to_string(sequence)); }
void MemoryRestorePoints::Cancel(int64_t sequence) { Called("Cancel " + std::to_string(sequence)); }

void MemoryRestorePoints::Called(std::string call) {
    if (onCall) onCall(call);
    calls.push_back(std::move(call));
}

RestorePointStart LoggedRestorePoints::Begin(const std::string& description) {
    const RestorePointStart start = inner_.Begin(description);
    std::string answer = "NotAsked";
    if (start.state == RestorePointStart::State::Made) answer = "Made " + std::to_string(start.sequence);
    if (start.state == RestorePointStart::State::Declined) answer = "Declined " + start.reason;
    if (start.state == RestorePointStart::State::Reused) answer = "Reused " + std::to_string(start.sequence);
    Append("Begin\t" + description + "\t" + answer);
    return start;
}

void LoggedRestorePoints::End(int64_t sequence) {
    inner_.End(sequence);
    Append("End\t" + std::to_string(sequence));
}

void LoggedRestorePoints::Cancel(int64_t sequence) {
    inner_.Cancel(sequence);
    Append("Cancel\t" + std::to_string(sequence));
}

void LoggedRestorePoints::Append(const std::string& line) { files_.AppendToFile(logPath_, line + "\r\n"); }

std::string RestorePointText(const RestorePointStart& start) {
    switch (start.state) {
        case RestorePointStart::State::Made: return "作成しました (番号 " + std::to_string(start.sequence) + ")";
        case RestorePointStart::State::Reused:
            return "Windows は 24 時間以内の復元ポイントを使います (番号 " + std::to_string(start.sequence) + ")";
        case RestorePointStart::State::Declined: return "作成できませんでした: " + start.reason;
        case RestorePointStart::State::NotAsked: break;
    }
    return "この Windows にはありません";
}

}  // namespace brisko
