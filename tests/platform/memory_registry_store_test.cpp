// What only the in-memory store can show: an account that may not write.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/memory_registry_store.h"
#include "platform/registry_values.h"

namespace brisko {
namespace {

TEST(MemoryRegistryStore, KeysWithoutWriteRightsReadAsAbsentAndRefuseWrites) {
    MemoryRegistryStore store;
    const auto hklm = RegRoot::LocalMachine;
    RegWriteValue(store, hklm, "\\SYSTEM\\Locked", "Str", kind::kString, "before");
    RegWriteValue(store, hklm, "\\SYSTEM\\Locked", "Dw", kind::kDword, "1");
    store.SetValue(hklm, "SYSTEM\\Locked", "Multi", {regtype::kMultiSz, EncodeRegString("m") + std::string(2, '\0')});
    RegWriteValue(store, hklm, "\\SYSTEM\\Locked\\Kept", "Str", kind::kString, "below");
    store.DenyWrites(hklm, "SYSTEM\\Locked");

    // Full access is asked for even to read, except for multi-strings.
    EXPECT_EQ(RegReadValue(store, hklm, "\\SYSTEM\\Locked", "Str", kind::kString), "NULL");
    EXPECT_EQ(RegReadValue(store, hklm, "\\SYSTEM\\Locked", "Multi", kind::kMultiString), "m\r");

    // A refused DWORD write is silent; string and binary writes throw.
    EXPECT_NO_THROW(RegWriteValue(store, hklm, "\\SYSTEM\\Locked", "Dw", kind::kDword, "2"));
    EXPECT_THROW(RegWriteValue(store, hklm, "\\SYSTEM\\Locked\\Below", "Str", kind::kString, "after"), BriskoError);
    EXPECT_THROW(RegWriteValue(store, hklm, "\\SYSTEM\\Locked", "Bin", kind::kBinary, "1"), BriskoError);
    EXPECT_FALSE(store.CanOpenKey(hklm, "SYSTEM\\Locked\\Below", RegAccess::Query));
    EXPECT_FALSE(store.CanOpenKey(hklm, "SYSTEM\\Locked\\Kept", RegAccess::Full)) << "below a locked key";
    EXPECT_EQ(store.QueryValue(hklm, "SYSTEM\\Locked", "Dw", RegAccess::Query)->bytes, std::string("\1\0\0\0", 4));
}

}  // namespace
}  // namespace brisko
