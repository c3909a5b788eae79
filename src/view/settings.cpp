#include "view/settings.h"

#include "scores/atomic_file.h"
#include "ui/texts.h"
#include "view/zoom.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexel::view {

namespace {

// A settings file is a few dozen bytes; anything far larger is not one.
constexpr std::size_t MaxFileSize = 4096;

constexpr std::string_view ZoomKey = "zoom";
constexpr std::string_view ColourSafeKey = "colour-safe";
constexpr std::string_view SoundKey = "sound";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<int> zoomValue(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !isZoomStep(value))
        return std::nullopt;
    return value;
}

std::optional<bool> switchValue(std::string_view text)
{
    if (text == "true")
        return true;
    if (text == "false")
        return false;
    return std::nullopt;
}

std::string homeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return {};
}

} // namespace

ViewSettings parseSettings(std::string_view text)
{
    ViewSettings settings;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const auto equals = line.find('=');
        if (line.empty() || line.front() == '#' || equals == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key == ZoomKey)
            settings.zoomPercent = zoomValue(value).value_or(ViewSettings{}.zoomPercent);
        else if (key == ColourSafeKey)
            settings.colourSafe = switchValue(value).value_or(ViewSettings{}.colourSafe);
        else if (key == SoundKey)
            settings.sound = switchValue(value).value_or(ViewSettings{}.sound);
    }
    return settings;
}

std::string composeSettings(const ViewSettings& settings)
{
    std::string text = "# Vexel's view settings, rewritten whenever they change in the View menu.\n";
    text += std::string(ZoomKey) + "=" + std::to_string(settings.zoomPercent) + "\n";
    text += std::string(ColourSafeKey) + "=" + (settings.colourSafe ? "true" : "false") + "\n";
    text += std::string(SoundKey) + "=" + (settings.sound ? "true" : "false") + "\n";
    return text;
}

std::string defaultSettingsPath()
{
    std::string base;
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/')
        base = configHome;
    else
        base = homeFolder() + "/.config";
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/vexel/vexel.conf";
}

std::string viewHelpText(std::string_view settingsPath)
{
    return "\n" +
           fill(translate("CommandLine",
                          "View menu: Ctrl++ (also Ctrl+= and Ctrl+keypad +) zooms in, Ctrl+- zooms\n"
                          "out, Ctrl+0 returns to the actual size, F11 switches full screen (F11\n"
                          "or Escape leaves it); Colour-Safe Signals adds marks to every colour\n"
                          "the game shows. The zoom and Colour-Safe Signals are kept in\n"
                          "  %1\n"),
                {settingsPath}) +
           translate("Sound", "Sound in the View menu plays the game's sounds, each shot heard from\n"
                              "where its gun stands; it is kept there too.\n");
}

ViewSettings loadSettings(const std::string& path)
{
    // Without O_NONBLOCK a FIFO put in the file's place would hang start-up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    std::string text;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::size_t>(info.st_size) <= MaxFileSize) {
        char buffer[MaxFileSize + 1];
        ssize_t got = 0;
        while (text.size() <= MaxFileSize && (got = ::read(fd, buffer, sizeof buffer)) != 0) {
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                text.clear();
                break;
            }
            text.append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    // A file that grew while it was read is not one to trust either.
    if (text.size() > MaxFileSize)
        return {};
    return parseSettings(text);
}

std::optional<std::string> saveSettings(const std::string& path, const ViewSettings& settings)
{
    if (const auto failure = scores::replaceFile(path, composeSettings(settings)))
        return scores::describe(*failure);
    return std::nullopt;
}

} // namespace vexel::view
