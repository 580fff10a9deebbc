#include "platform/win32/restore_point_query.h"

#include <windows.h>
#include <objbase.h>
#include <wbemcli.h>

#include "platform/win32/system_paths.h"

namespace brisko::win32 {

namespace {
// WbemLocator and its interface (wbemcli.h names them; they are defined here
// rather than taken from a library).
const CLSID kWbemLocator = {0x4590f811, 0x1d3a, 0x11d0, {0x89, 0x1f, 0x00, 0xaa, 0x00, 0x4b, 0x2e, 0x24}};
const IID kIWbemLocator = {0xdc12a687, 0x737f, 0x11cf, {0x88, 0x4d, 0x00, 0xaa, 0x00, 0x4b, 0x2e, 0x24}};

using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
using CoSetProxyBlanketFn = HRESULT(WINAPI*)(IUnknown*, DWORD, DWORD, OLECHAR*, DWORD, DWORD, RPC_AUTH_IDENTITY_HANDLE,
                                             DWORD);
using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);
using SysFreeStringFn = void(WINAPI*)(BSTR);
using VariantClearFn = HRESULT(WINAPI*)(VARIANTARG*);

template <typename Interface>
struct Held {
    Interface* p = nullptr;
    ~Held() {
        if (p) p->Release();
    }
};

// A BSTR for the call, freed after it.
class Text {
public:
    Text(const wchar_t* text, SysAllocStringFn alloc, SysFreeStringFn free) : bstr_(alloc(text)), free_(free) {}
    ~Text() {
        if (bstr_) free_(bstr_);
    }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    BSTR get() const { return bstr_; }

private:
    BSTR bstr_;
    SysFreeStringFn free_;
};
}  // namespace

std::optional<int64_t> NewestRestorePointNumber() {
    const auto create = SystemFunction<CoCreateInstanceFn>(L"ole32.dll", "CoCreateInstance");
    const auto blanket = SystemFunction<CoSetProxyBlanketFn>(L"ole32.dll", "CoSetProxyBlanket");
    const auto alloc = SystemFunction<SysAllocStringFn>(L"oleaut32.dll", "SysAllocString");
    const auto free = SystemFunction<SysFreeStringFn>(L"oleaut32.dll", "SysFreeString");
    const auto clear = SystemFunction<VariantClearFn>(L"oleaut32.dll", "VariantClear");
    if (!create || !blanket || !alloc || !free || !clear) return std::nullopt;
    Held<IWbemLocator> locator;
    if (FAILED(create(kWbemLocator, nullptr, CLSCTX_INPROC_SERVER, kIWbemLocator, reinterpret_cast<void**>(&locator.p))))
        return std::nullopt;
    Held<IWbemServices> services;
    const Text space(L"ROOT\\DEFAULT", alloc, free), language(L"WQL", alloc, free),
        query(L"SELECT SequenceNumber FROM SystemRestore", alloc, free);
    if (!space.get() || !language.get() || !query.get() ||
        FAILED(locator.p->ConnectServer(space.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services.p)))
        return std::nullopt;
    // WMI reads on the caller's behalf: this one proxy may impersonate.
    if (FAILED(blanket(services.p, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                       RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE)))
        return std::nullopt;
    Held<IEnumWbemClassObject> points;
    if (FAILED(services.p->ExecQuery(language.get(), query.get(), WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                     nullptr, &points.p)))
        return std::nullopt;
    int64_t newest = 0;
    for (;;) {
        Held<IWbemClassObject> point;
        ULONG returned = 0;
        const HRESULT next = points.p->Next(WBEM_INFINITE, 1, &point.p, &returned);
        if (next == WBEM_S_FALSE || (SUCCEEDED(next) && returned == 0)) break;
        if (FAILED(next)) return std::nullopt;
        VARIANT number{};
        number.vt = VT_EMPTY;
        if (FAILED(point.p->Get(L"SequenceNumber", 0, &number, nullptr, nullptr))) return std::nullopt;
        int64_t value = -1;
        if (number.vt == VT_I4) value = static_cast<uint32_t>(number.lVal);
        else if (number.vt == VT_UI4) value = number.ulVal;
        clear(&number);
        if (value < 0) return std::nullopt;
        if (value > newest) newest = value;
    }
    return newest;
}

}  // namespace brisko::win32
