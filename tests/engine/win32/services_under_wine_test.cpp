// The services page against Wine's service manager and registry: a service
// created for the test is listed, sorted, with its state and details.
#include <gtest/gtest.h>
#include <windows.h>

#include "engine/item_passes.h"
#include "engine/services.h"
#include "platform/registry_values.h"
#include "platform/win32/win32_registry_store.h"
#include "platform/win32/win32_service_manager.h"
#include "support/win32/real_context.h"
#include "platform/text/case_fold.h"

namespace brisko {
namespace {

class TestService {
public:
    TestService() {
        manager_ = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        if (!manager_) return;
        service_ = CreateServiceW(manager_, L"BriskoTestSvc", L"Brisko Test Service", SERVICE_ALL_ACCESS,
                                  SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                                  L"C:\\windows\\system32\\notepad.exe", nullptr, nullptr, L"RpcSs\0", nullptr,
                                  nullptr);
    }
    ~TestService() {
        if (service_) {
            DeleteService(service_);
            CloseServiceHandle(service_);
        }
        if (manager_) CloseServiceHandle(manager_);
    }
    bool Created() const { return service_ != nullptr; }

private:
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
};

TEST(ServicesUnderWine, ACreatedServiceIsListedAndDescribed) {
    TestService created;
    ASSERT_TRUE(created.Created()) << GetLastError();

    testing::RealContext real;
    auto& [registry, files, services, processes, prompts, resources, clock, scratch, system] =
        static_cast<testing::RealBackends&>(real);
    ProgramContext& ctx = real.ctx;
    ctx.paths.preferencesFile = scratch->Path("Brisko.ini");

    EXPECT_EQ(ServiceStatusText(services.QueryState("BriskoTestSvc")), "停止中");
    DetectItemStates(ctx);
    auto& list = ctx.items.List(TweakCategory::Service);
    size_t p = list.size();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].label == "Brisko Test Service") p = i;
    ASSERT_LT(p, list.size()) << "the new service is listed";
    EXPECT_TRUE(list[p].ticked) << "it is stopped";
    for (size_t i = 1; i < list.size(); ++i)
        EXPECT_FALSE(text::RegistryNameLess(list[i].label, list[i - 1].label)) << "sorted at " << i;

    const std::string details = ServiceDetailsText(ctx, "Brisko Test Service", "%s|%s|%s|%s|%s|%s|%s|%s|%s");
    const std::string rpc = RegReadValue(registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Services\\RpcSs",
                                         "DisplayName", "String");
    EXPECT_EQ(details, "Brisko Test Service|なし|BriskoTestSvc|Brisko Test Service|自動|ローカル システム|"
                       "C:\\windows\\system32\\notepad.exe|\r\n　" + rpc + " (" +
                           ServiceStatusText(services.QueryState("RpcSs")) + ")|依存関係なし");
}

// The changes, through Wine's service manager: the start type it keeps in the
// registry as well, a stop of a stopped service counts as done, and a
// service that is not there is an error of its own.
TEST(ServicesUnderWine, TheManagerChangesTheStartTypeAndStopsAService) {
    TestService created;
    ASSERT_TRUE(created.Created()) << GetLastError();
    win32::Win32ServiceManager services;
    win32::Win32RegistryStore registry;
    EXPECT_TRUE(services.Access("BriskoTestSvc").Changeable());
    EXPECT_EQ(services.StartType("BriskoTestSvc"), 2u);
    EXPECT_TRUE(services.ChangeStartType("BriskoTestSvc", 3).Done());
    EXPECT_EQ(services.StartType("BriskoTestSvc"), 3u);
    EXPECT_EQ(RegReadValue(registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Services\\BriskoTestSvc",
                           "Start", "DWORD"),
              "3");
    EXPECT_TRUE(services.StopAndWait("BriskoTestSvc", kServiceWait).Done());
    const ServiceAnswer missing = services.ChangeStartType("BriskoNoSuchSvc", 3);
    EXPECT_EQ(missing.kind, ServiceAnswer::Kind::Failed);
    EXPECT_EQ(missing.code, static_cast<unsigned long>(ERROR_SERVICE_DOES_NOT_EXIST));
}

}  // namespace
}  // namespace brisko
