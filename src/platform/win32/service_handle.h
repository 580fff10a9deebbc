#pragma once
// A handle of the service control manager or of one service, closed when it
// goes out of scope.
#include <windows.h>

namespace brisko::win32 {

class ScHandle {
public:
    explicit ScHandle(SC_HANDLE h) : h_(h) {}
    ~ScHandle() {
        if (h_) CloseServiceHandle(h_);
    }
    ScHandle(const ScHandle&) = delete;
    ScHandle& operator=(const ScHandle&) = delete;
    explicit operator bool() const { return h_ != nullptr; }
    SC_HANDLE get() const { return h_; }

private:
    SC_HANDLE h_;
};

}  // namespace brisko::win32
