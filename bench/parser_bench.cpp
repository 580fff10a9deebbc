// Reading a plan and recognising a backup on a simulated Japanese XP in
// memory, with 1 024 and with 4 096 keys in one section (the most a file may
// hold). Prints the median times and their ratio: 4 when reading is linear,
// 16 when quadratic.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "backup/backup_file.h"
#include "backup/tweak_plan.h"
#include "platform/text/cp932.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

using namespace brisko;
using namespace brisko::testing;

namespace {

std::string Keys(const std::string& prefix, size_t keys, const std::string& value) {
    std::string text;
    for (size_t i = 0; i < keys; ++i) text += prefix + std::to_string(i * 7919 % 10007) + "_" + std::to_string(i) + "=" + value + "\r\n";
    return text;
}

double MedianMilliseconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::stoi(argv[1]) : 21;
    StartedContext sim(SimulatedWindows::Xp);
    WriteBackupFile(sim.ctx, "C:\\b.ini");
    // The machine's own start types make way for the bench's.
    const std::string backup = WithoutSection(text::Cp932ToUtf8(*sim.files.ReadFile("C:\\b.ini")), "不要サービス-s");
    const size_t end = backup.find("[バックアップ終了]");
    const MachineIdentity here = IdentityOf(sim.ctx);
    double plan[2], recognised[2];
    const size_t sizes[2] = {1024, 4096};
    for (int i = 0; i < 2; ++i) {
        sim.files.AddFile("C:\\plan.ini", "[BriskoPlan]\r\nFormat=1\r\n[Service]\r\n" + Keys("Svc", sizes[i], "1") +
                                             "[BriskoPlanEnd]\r\nComplete=1\r\n");
        plan[i] = MedianMilliseconds(runs, [&] { LoadPlanFile(sim.ctx, "C:\\plan.ini"); });
        const std::string bytes = text::Utf8ToCp932(backup.substr(0, end) + "[不要サービス-s]\r\n" +
                                                    Keys("Svc", sizes[i], "4") + backup.substr(end));
        recognised[i] = MedianMilliseconds(runs, [&] { RecogniseBackup(bytes, here); });
    }
    std::printf("plan read, 1024 service keys\t%.3f ms\n", plan[0]);
    std::printf("plan read, 4096 service keys\t%.3f ms\n", plan[1]);
    std::printf("ratio 4096 / 1024 keys (linear 4, quadratic 16)\t%.2fx\n", plan[1] / plan[0]);
    std::printf("backup recognised, 1024 service keys\t%.3f ms\n", recognised[0]);
    std::printf("backup recognised, 4096 service keys\t%.3f ms\n", recognised[1]);
    std::printf("ratio 4096 / 1024 keys (linear 4, quadratic 16)\t%.2fx\n", recognised[1] / recognised[0]);
}
