#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexel::view {

// How the board reaches the screen, kept between runs. The game's own
// options are not here: they last for one run only.
struct ViewSettings {
    int zoomPercent = 100;
    bool colourSafe = false;
    bool sound = true;
    bool operator==(const ViewSettings&) const = default;
};

// The settings file: a comment line, then "key=value" lines. Whatever is
// not understood gives way to the default for that setting, so a file
// damaged in part keeps what is still readable.
ViewSettings parseSettings(std::string_view text);
std::string composeSettings(const ViewSettings& settings);

// $XDG_CONFIG_HOME/vexel/vexel.conf, with $HOME/.config standing in for an
// unset, empty or relative XDG_CONFIG_HOME, and the account's home folder
// from the password database when HOME is unset or empty.
std::string defaultSettingsPath();

// What --help adds about the View menu, its keys and where its settings
// are kept.
std::string viewHelpText(std::string_view settingsPath);

// The settings in a file, or the defaults when it is missing, is no
// regular file, cannot be read or is too large to be ours.
ViewSettings loadSettings(const std::string& path);

// Replaces the file whole, or leaves it as it was; returns why not.
std::optional<std::string> saveSettings(const std::string& path, const ViewSettings& settings);

} // namespace vexel::view
