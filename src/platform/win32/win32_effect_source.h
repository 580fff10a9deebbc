#pragma once
// The records of starts and shutdowns from Windows' event log, through
// wevtapi.dll (Vista and later), loaded at run time from the system folder
// by its full path. Where the library, its functions or the log are missing
// (Windows 2000 and XP, server editions without the log, Wine), the reading
// says so.
#include <windows.h>

#include "platform/effect_source.h"

namespace brisko::win32 {

class Win32EffectSource final : public EffectSource {
public:
    EffectReading Read(size_t newest) override;
};

}  // namespace brisko::win32
