// The registry rules the program relies on, as the steps of
// tests/data/registry_store.tsv. Runs against the in-memory store on the host
// and against the real registry under Wine: where the two disagree, the
// in-memory store is wrong (or Wine is, where the table says so).
#include <gtest/gtest.h>

#include <memory>

#include "platform/registry_values.h"
#include "platform/rehearsal_overlay.h"
#include "support/backends.h"
#include "support/item_probes.h"
#include "support/test_data.h"

namespace brisko {
namespace {

std::string Listed(const std::vector<std::string>& names) {
    std::string list;
    for (const auto& name : names) list += (list.empty() ? "" : ",") + name;
    return list;
}

// A row's step on the key, and its answer as the table writes it.
std::string Step(RegistryStore& store, RegRoot root, const std::string& key, const std::vector<std::string>& r) {
    const std::string& step = r.at(1);
    const std::string name = testing::Unescaped(r.at(3));
    const auto yes = [](bool done) { return std::string(done ? "yes" : "no"); };
    if (step == "create") return yes(store.CreateKey(root, key));
    if (step == "open") return yes(store.CanOpenKey(root, key, r.at(4) == "Query" ? RegAccess::Query : RegAccess::Full));
    if (step == "delete-key") return yes(store.DeleteKey(root, key));
    if (step == "delete-value") return yes(store.DeleteValue(root, key, name));
    if (step == "subkeys") return Listed(store.SubKeyNames(root, key));
    if (step == "values") return Listed(store.ValueNames(root, key));
    const RegValueData value = testing::StoredValue(r.at(4), testing::Unescaped(r.at(5)));
    if (step == "set") return yes(store.SetValue(root, key, name, value));
    if (step != "read") return "no step " + step;
    const auto read = store.QueryValue(root, key, name, RegAccess::Query);
    return !read ? "none" : *read == value ? "same" : "differs";
}

// Param: through an overlay, as a rehearsal sees the registry.
class RegistryStoreConformance : public ::testing::TestWithParam<bool> {};

TEST_P(RegistryStoreConformance, EveryStepAnswersAsWindowsDoes) {
    const bool wine = testing::RunningUnderWine() && !GetParam();
    std::unique_ptr<testing::RegistryUnderTest> reg;
    std::unique_ptr<RegistryOverlay> overlay;
    std::string scenario;
    int steps = 0;
    for (const auto& r : testing::TestDataRows("registry_store.tsv")) {
        if (r.at(0) != scenario) {  // a fresh key, the last one's cleaned up first
            overlay.reset();
            reg.reset();
            reg = testing::MakeRegistryUnderTest();
            overlay = std::make_unique<RegistryOverlay>(*reg->store);
            scenario = r[0];
        }
        RegistryStore& store = GetParam() ? *overlay : *reg->store;
        const std::string key = reg->StorePath(r.at(2) == "-" ? "" : testing::Unescaped(r[2]));
        EXPECT_EQ(Step(store, reg->root, key, r), testing::Unescaped(r.at(wine && r.size() > 7 ? 7 : 6)))
            << scenario << ": " << r[1] << " " << r[2] << " " << r[3];
        ++steps;
    }
    EXPECT_GT(steps, 40);
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryStoreConformance, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Overlaid" : "Direct"; });

}  // namespace
}  // namespace brisko
