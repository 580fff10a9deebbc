// A program that imports TransparentBlt from msimg32.dll, which Windows does
// not protect from a copy planted beside the program. The protected-DLL check
// must refuse it; the test script proves that it does.
#include <windows.h>

int main() { return TransparentBlt(nullptr, 0, 0, 1, 1, nullptr, 0, 0, 1, 1, 0) ? 1 : 0; }
