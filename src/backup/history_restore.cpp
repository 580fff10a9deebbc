#include "backup/history_restore.h"

namespace brisko {

namespace {
constexpr size_t kMostNamed = 10;  // then the rest are counted
}  // namespace

bool RecordOfThisComputer(const HistoryRecord& record, const MachineIdentity& here) {
    return !record.computer.empty() && NamesThisComputer(here, record.computer);
}

std::string LaterChangesUndone(const std::vector<HistoryRecord>& newestFirst, size_t chosen,
                               const MachineIdentity& here) {
    std::vector<const HistoryRecord*> later;
    for (size_t i = std::min(chosen, newestFirst.size()); i-- > 0;)
        if (RecordOfThisComputer(newestFirst[i], here) && !newestFirst[i].items.empty()) later.push_back(&newestFirst[i]);
    if (later.empty()) return "";
    std::string text = "\r\n\r\nこの復元は、この記録より後の次の変更も元に戻します：";
    for (size_t i = 0; i < later.size() && i < kMostNamed; ++i)
        text += "\r\n　" + later[i]->when + "  " + later[i]->action;
    if (later.size() > kMostNamed) text += "\r\n　ほか " + std::to_string(later.size() - kMostNamed) + " 件";
    return text;
}

}  // namespace brisko
