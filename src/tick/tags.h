#pragma once

#include <string>

namespace vexel {

// A Tag read as a number: its leading digits, 0 when it has none. Tags the
// game writes are single digits, which take the short path.
inline int tagValue(const std::string& tag)
{
    if (tag.size() == 1 && tag[0] >= '0' && tag[0] <= '9')
        return tag[0] - '0';
    int value = 0;
    for (char ch : tag) {
        if (ch < '0' || ch > '9' || value > 100000)
            break;
        value = value * 10 + (ch - '0');
    }
    return value;
}

} // namespace vexel
