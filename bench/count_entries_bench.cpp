// How long counting a large folder takes, and how long the window goes
// without its messages meanwhile: fills a folder with the given number of
// empty files (once; kept for the next run), then counts it the way the
// utilities page does, pumping this thread's messages at every keep-alive.
//   brisko_bench_utilities <folder> [entries]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/utilities.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"

namespace {

double Now() {
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: brisko_bench_utilities <folder> [entries]\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    const size_t wanted = argc > 2 ? std::stoul(argv[2]) : 100000;
    brisko::win32::Win32FileSystem files;
    const std::string folderUtf8 = brisko::win32::Narrow(folder);

    CreateDirectoryW(folder.c_str(), nullptr);
    size_t present = brisko::CountFolderEntries(files, folderUtf8);
    if (present < wanted) {
        const double began = Now();
        for (size_t i = present; i < wanted; ++i) {
            const std::wstring path = folder + L"\\f" + std::to_wstring(i) + L".txt";
            HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        }
        present = brisko::CountFolderEntries(files, folderUtf8);
        std::printf("made the folder in %.0f ms\n", Now() - began);
    }

    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // this thread's queue
    size_t pumps = 0;
    double longest = 0, first = 0, longestAfterFirst = 0, last = Now();
    const double began = last;
    const auto counted = brisko::CountFolderEntries(files, folderUtf8, [&] {
        int quitCode = 0;
        brisko::win32::PumpWaitingMessages(quitCode);
        const double now = Now();
        if (pumps == 0) first = now - last;
        else longestAfterFirst = std::max(longestAfterFirst, now - last);
        longest = std::max(longest, now - last);
        last = now;
        ++pumps;
        return true;
    });
    const double ended = Now();
    longest = std::max(longest, ended - last);

    const double plainBegan = Now();
    brisko::CountFolderEntries(files, folderUtf8);
    const double plain = Now() - plainBegan;

    std::printf("entries: %zu\n", counted.value_or(0));
    std::printf("count with keep-alive: %.0f ms, %zu pumps (every %zu entries)\n", ended - began, pumps,
                brisko::kEntriesPerKeepAlive);
    std::printf("longest gap between two pumps: %.2f ms (before the first one, opening the folder: %.2f ms; "
                "longest after it: %.2f ms)\n",
                longest, first, longestAfterFirst);
    std::printf("count without keep-alive: %.0f ms\n", plain);
    return counted == wanted ? 0 : 1;
}
