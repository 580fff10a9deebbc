// Start to first window shown: starts each program given on the command line
// in turn, alternating, waits for a visible top-level window of its process,
// closes it and waits for it to end. Prints the median of the runs for each
// program and the ratio of the first to the second; then, for the first
// program, each start-up step's median time since its process started, from
// the step trace it appends to the file BRISKO_STARTUP_TRACE names.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CountChild(HWND, LPARAM parameter) {
    ++*reinterpret_cast<int*>(parameter);
    return TRUE;
}

// Seconds from CreateProcess to a shown window; negative when none came.
// Counts the shown window's child windows (controls) into *children.
double SecondsToWindow(const std::wstring& program, int* children = nullptr) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    Search search{process.dwProcessId, nullptr};
    while (!search.found && std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(5);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (search.found && children) {
        *children = 0;
        EnumChildWindows(search.found, CountChild, reinterpret_cast<LPARAM>(children));
    }
    if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found ? seconds : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The trace's steps, in the order they first came, with every run's times.
struct Steps {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;

    void Read(const std::wstring& path) {
        std::ifstream in(path.c_str());
        std::string line;
        while (std::getline(in, line)) {
            const size_t tab = line.find('\t');
            if (tab == std::string::npos) continue;
            const std::string name = line.substr(0, tab);
            if (!times.contains(name)) order.push_back(name);
            times[name].push_back(std::atof(line.c_str() + tab + 1));
        }
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM YARDSTICK [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? _wtoi(argv[3]) : 5;
    std::vector<double> program, yardstick;
    int controls = 0;
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring trace = std::wstring(folder) + L"brisko-startup-trace.txt";
    SetEnvironmentVariableW(L"BRISKO_STARTUP_TRACE", trace.c_str());  // the bare window ignores it
    SecondsToWindow(argv[1]);  // a first start warms the file cache and Wine's own start-up
    SecondsToWindow(argv[2]);
    DeleteFileW(trace.c_str());
    for (int run = 0; run < runs; ++run) {
        program.push_back(SecondsToWindow(argv[1], &controls));
        yardstick.push_back(SecondsToWindow(argv[2]));
    }
    Steps steps;
    steps.Read(trace);
    DeleteFileW(trace.c_str());
    if (*std::min_element(program.begin(), program.end()) < 0 || *std::min_element(yardstick.begin(), yardstick.end()) < 0) {
        std::printf("start-up\tno window came\n");
        return 1;
    }
    const double a = Median(program), b = Median(yardstick);
    std::printf("start-up\tbrisko.exe %.3f s\tbare window %.3f s\tratio %.2fx\t(medians of %d, alternating; "
                "brisko.exe's window shows with %d child windows, the bare one with none)\n",
                a, b, a / b, runs, controls);
    for (const std::string& name : steps.order)
        std::printf("start-up step\t%-18s\t%7.1f ms\t(median of %zu)\n", name.c_str(), Median(steps.times[name]),
                    steps.times[name].size());
    return 0;
}
