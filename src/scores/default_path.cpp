#include "scores/default_path.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vexel::scores {

std::string defaultScoresPath()
{
    std::string base;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        std::string homeDir = home && home[0] ? home : "";
        if (homeDir.empty()) {
            if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
                homeDir = entry->pw_dir;
        }
        base = homeDir + "/.local/share";
    }
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/vexel/vexel.ini";
}

} // namespace vexel::scores
