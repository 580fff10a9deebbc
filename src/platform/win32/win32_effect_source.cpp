#include "platform/win32/win32_effect_source.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"

namespace brisko::win32 {

namespace {
// wevtapi's functions and values (winevt.h declares them only for Vista and
// later builds).
using EvtHandle = void*;
using EvtQueryFn = EvtHandle(WINAPI*)(EvtHandle session, LPCWSTR path, LPCWSTR query, DWORD flags);
using EvtNextFn = BOOL(WINAPI*)(EvtHandle results, DWORD size, EvtHandle* events, DWORD timeout, DWORD flags,
                                DWORD* returned);
using EvtRenderFn = BOOL(WINAPI*)(EvtHandle context, EvtHandle fragment, DWORD flags, DWORD bufferSize, void* buffer,
                                  DWORD* bufferUsed, DWORD* propertyCount);
using EvtCloseFn = BOOL(WINAPI*)(EvtHandle object);
constexpr DWORD kEvtQueryChannelPath = 0x1, kEvtQueryReverseDirection = 0x200, kEvtRenderEventXml = 1;
constexpr DWORD kErrorChannelNotFound = 15007;  // ERROR_EVT_CHANNEL_NOT_FOUND
constexpr DWORD kBatch = 64;
constexpr DWORD kLargestRendering = 256 * 1024;  // bytes of one event's XML; an event is a few KB

constexpr const wchar_t* kQuery =
    L"*[System[(EventID=100 or EventID=200 or EventID=101 or EventID=102 or EventID=103 or EventID=109)]]";

struct Wevtapi {
    EvtQueryFn query = nullptr;
    EvtNextFn next = nullptr;
    EvtRenderFn render = nullptr;
    EvtCloseFn close = nullptr;
    bool Complete() const { return query && next && render && close; }
};

Wevtapi Load() {
    Wevtapi api;
    HMODULE module = LoadSystemLibrary(L"wevtapi.dll");  // kept loaded for the run
    if (!module) return api;
    auto get = [&](const char* name) { return reinterpret_cast<void*>(GetProcAddress(module, name)); };
    api.query = reinterpret_cast<EvtQueryFn>(get("EvtQuery"));
    api.next = reinterpret_cast<EvtNextFn>(get("EvtNext"));
    api.render = reinterpret_cast<EvtRenderFn>(get("EvtRender"));
    api.close = reinterpret_cast<EvtCloseFn>(get("EvtClose"));
    return api;
}

// A UTC time as this machine's local time at that date (its daylight saving
// rule then, not now). SystemTimeToTzSpecificLocalTime is looked up, as
// every function this source uses, so the program's imports stay as they are.
LocalTime ToLocal(const LocalTime& utc) {
    using ConvertFn = BOOL(WINAPI*)(const void* zone, const SYSTEMTIME* universal, SYSTEMTIME* local);
    static const auto convert = reinterpret_cast<ConvertFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SystemTimeToTzSpecificLocalTime")));
    SYSTEMTIME u{};
    u.wYear = static_cast<WORD>(utc.year);
    u.wMonth = static_cast<WORD>(utc.month);
    u.wDay = static_cast<WORD>(utc.day);
    u.wHour = static_cast<WORD>(utc.hour);
    u.wMinute = static_cast<WORD>(utc.minute);
    u.wSecond = static_cast<WORD>(utc.second);
    SYSTEMTIME l{};
    if (!convert || !convert(nullptr, &u, &l)) return utc;
    return {l.wYear, l.wMonth, l.wDay, l.wHour, l.wMinute, l.wSecond};
}

EffectReading NotAvailable(const std::string& why) { return {false, why, {}, 0, ""}; }

// One event's XML, or false when it cannot be rendered whole.
bool Render(const Wevtapi& api, EvtHandle event, std::vector<wchar_t>& buffer, std::wstring& xml) {
    DWORD used = 0, properties = 0;
    if (!api.render(nullptr, event, kEvtRenderEventXml, static_cast<DWORD>(buffer.size() * sizeof(wchar_t)),
                    buffer.data(), &used, &properties)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || used > kLargestRendering) return false;
        buffer.resize(used / sizeof(wchar_t) + 1);
        if (!api.render(nullptr, event, kEvtRenderEventXml, static_cast<DWORD>(buffer.size() * sizeof(wchar_t)),
                        buffer.data(), &used, &properties))
            return false;
    }
    size_t length = std::min<size_t>(used / sizeof(wchar_t), buffer.size());
    while (length > 0 && buffer[length - 1] == L'\0') --length;
    xml.assign(buffer.data(), length);
    return true;
}
}  // namespace

EffectReading Win32EffectSource::Read(size_t newest) {
    const Wevtapi api = Load();
    if (!api.Complete()) return NotAvailable(kNoRecordsHere);
    const std::wstring channel = Widen(kDiagnosticsChannel);
    SetLastError(ERROR_SUCCESS);
    EvtHandle results = api.query(nullptr, channel.c_str(), kQuery, kEvtQueryChannelPath | kEvtQueryReverseDirection);
    if (!results) {
        const DWORD error = GetLastError();
        // No such log, or a wevtapi that only pretends (Wine's says no more than that).
        if (error == ERROR_SUCCESS || error == kErrorChannelNotFound || error == ERROR_CALL_NOT_IMPLEMENTED ||
            error == ERROR_NOT_SUPPORTED)
            return NotAvailable(kNoRecordsHere);
        return NotAvailable("起動時間の記録を読み取れませんでした (エラー " + std::to_string(error) + ")");
    }
    EffectReading reading{true, "", {}, 0, ""};
    std::vector<wchar_t> buffer(8 * 1024);
    std::wstring xml;
    size_t seen = 0;
    while (seen < newest) {
        EvtHandle events[kBatch];
        DWORD returned = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<size_t>(kBatch, newest - seen));
        if (!api.next(results, wanted, events, INFINITE, 0, &returned) || returned == 0) break;
        for (DWORD i = 0; i < returned; ++i) {
            if (Render(api, events[i], buffer, xml)) {
                AddRenderedEvents(reading, Narrow(xml), ToLocal);
            } else if (reading.unreadable++ == 0) {
                reading.problem = "イベントの内容を取り出せませんでした";
            }
            api.close(events[i]);
        }
        seen += returned;
    }
    api.close(results);
    KeepNewest(reading, newest);
    return reading;
}

}  // namespace brisko::win32
