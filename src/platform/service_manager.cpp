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

}  // namespace brisko
