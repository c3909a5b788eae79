#pragma once

#include <string>

namespace vexel {

// A Tag read as a number. The game only ever writes one-digit tags; a tag
// that is not a digit reads as 0, as a text without leading digits does.
inline int tagValue(const std::string& tag)
{
    if (tag.size() == 1 && tag[0] >= '0' && tag[0] <= '9')
        return tag[0] - '0';
    return 0;
}

} // namespace vexel
