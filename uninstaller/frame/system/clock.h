// Local time for the log's time stamps.
#pragma once

#include <optional>

namespace zrt::un {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::optional<LocalTime> now() = 0;
};

}  // namespace zrt::un
