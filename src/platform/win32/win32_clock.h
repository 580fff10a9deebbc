#pragma once
#include "platform/clock.h"

namespace brisko::win32 {

class Win32Clock final : public Clock {
public:
    LocalTime Now() override;
};

}  // namespace brisko::win32
