// A program that imports GetTickCount64, which Windows has only from Vista on.
// The import check must refuse it; the test script proves that it does.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

int main() { return static_cast<int>(GetTickCount64() & 1); }
