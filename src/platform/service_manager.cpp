#include "platform/service_manager.h"

namespace brisko {

std::string ServiceStatusText(ServiceState state) {
    switch (state) {
        case ServiceState::Stopped: return "停止中";
        case ServiceState::StartPending: return "開始手続き中";
        case ServiceState::StopPending: return "停止手続き中";
        case ServiceState::Running: return "開始中";
        case ServiceState::ContinuePending: return "再開手続き中";
        case ServiceState::PausePending: return "一時停止手続き中";
        case ServiceState::Paused: return "一時停止中";
        case ServiceState::Unknown: break;
    }
    return "不明";
}

std::string ServiceAnswerText(const ServiceAnswer& answer) {
    const std::string code = answer.code ? " (エラー " + std::to_string(answer.code) + ")" : "";
    switch (answer.kind) {
        case ServiceAnswer::Kind::Done: return "";
        case ServiceAnswer::Kind::Refused: return "拒否されました" + code;
        case ServiceAnswer::Kind::TimedOut:
            return std::to_string(kServiceWait.count() / 1000) + " 秒以内に終わりませんでした";
        case ServiceAnswer::Kind::Failed: break;
    }
    return "エラー " + std::to_string(answer.code);
}

}  // namespace brisko
