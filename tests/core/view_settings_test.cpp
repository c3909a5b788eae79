// The remembered view settings and the zoom steps: the file's format, its
// bad cases on a real file system, its default place, and the sizes the
// window takes at each step.

#include "scratch_folder.h"
#include "view/settings.h"
#include "view/zoom.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using vexel::testsupport::ScratchFolder;
using vexel::testsupport::writeBytes;
using vexel::view::ViewSettings;

namespace {

const ViewSettings Defaults{};

} // namespace

TEST(ViewSettings, ReadWhatIsStillReadableAndFallBackOnTheRest)
{
    // A setting that cannot be read falls back on its own, the others stay;
    // what one run writes, the next reads back whole.
    const std::pair<std::string, ViewSettings> texts[] = {
        {vexel::view::composeSettings({175, true}), {175, true}},
        {"  zoom = 150 \r\n# a remark\n\ncolour-safe= true", {150, true}},
        {"zoom=137\ncolour-safe=true\n", {100, true}},
        {"zoom=200\ncolour-safe=yes\n", {200, false}},
        {"zoom=+200\n", Defaults},
        {"zoom=200x\n", Defaults},
        {"zoom=99999999999999999999\n", Defaults},
        {"zoom\ncolour-safe\n=true\n", Defaults},
        {"size=300\nzoom=300\n", {300, false}},
        {"zoom=300\nzoom=\n", Defaults},
        {vexel::view::composeSettings({125, false, false}), {125, false, false}},
        {"sound=false\n", {100, false, false}},
        {"sound = true\ncolour-safe=true\n", {100, true, true}},
        {"sound=off\n", Defaults},
    };
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(vexel::view::parseSettings(text), expected) << text;

    // Any bad file gives the defaults.
    ScratchFolder folder;
    const std::string path = folder.file("vexel.conf");
    const struct {
        const char* what;
        std::function<void()> make;
    } files[] = {
        {"missing", [] {}},
        {"empty", [&] { writeBytes(path, ""); }},
        {"binary", [&] { writeBytes(path, std::string("\0\xff\xfe zoom=\x80\n\0", 12)); }},
        {"too large to be ours", [&] { writeBytes(path, "zoom=200\n" + std::string(5000, '#')); }},
        {"a folder", [&] { std::filesystem::create_directory(path); }},
        {"a FIFO, which must not hang", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
        {"a link to nothing", [&] { std::filesystem::create_symlink(folder.file("nowhere"), path); }},
        {"unreadable, unless to root", [&] { writeBytes(path, "zoom=200\n"), ::chmod(path.c_str(), 0); }},
    };
    for (const auto& c : files) {
        std::filesystem::remove_all(path);
        c.make();
        if (::access(path.c_str(), R_OK) == 0 && std::string(c.what).starts_with("unreadable"))
            continue; // root reads it all the same
        EXPECT_EQ(vexel::view::loadSettings(path), Defaults) << c.what;
    }

    // Saving replaces the file whole, making its folders; where it cannot,
    // the reason comes back to be told.
    std::filesystem::remove_all(path);
    const std::string nested = folder.file("config/vexel/vexel.conf");
    EXPECT_EQ(vexel::view::saveSettings(nested, {300, true}), std::nullopt);
    EXPECT_EQ(vexel::view::loadSettings(nested), (ViewSettings{300, true}));
    writeBytes(path, "not a folder");
    const auto failure = vexel::view::saveSettings(path + "/vexel.conf", {300, true});
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("Not a directory"), std::string::npos) << *failure;
}

TEST(ViewSettings, LiveInTheConfigFolder)
{
    const char* home = std::getenv("HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> savedHome = home ? std::optional<std::string>(home) : std::nullopt,
                                     savedConfig = config ? std::optional<std::string>(config) : std::nullopt;
    const auto set = [](const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    };
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {"/cfg//", "/cfg/vexel/vexel.conf"},
        {std::nullopt, "/home/player/.config/vexel/vexel.conf"},
        {"", "/home/player/.config/vexel/vexel.conf"},
        {"relative/cfg", "/home/player/.config/vexel/vexel.conf"},
    };
    set("HOME", "/home/player");
    for (const auto& [configHome, expected] : cases) {
        set("XDG_CONFIG_HOME", configHome);
        EXPECT_EQ(vexel::view::defaultSettingsPath(), expected) << configHome.value_or("(unset)");
    }
    set("XDG_CONFIG_HOME", savedConfig);
    set("HOME", savedHome);
}

TEST(ZoomSteps, StepAndFitTheScreen)
{
    using namespace vexel::view;
    // In and out along the steps, stopping at either end; off-step sizes
    // go to their neighbours.
    const std::array<std::array<int, 3>, 5> steps = {{
        {100, 125, 100},
        {175, 200, 150},
        {400, 400, 300},
        {130, 150, 125},
        {50, 100, 100},
    }};
    for (const auto& [from, in, out] : steps) {
        EXPECT_EQ(zoomedIn(from), in) << from;
        EXPECT_EQ(zoomedOut(from), out) << from;
    }
    // Crisp scales put the pitch of 24 on whole device pixels; the window
    // takes the board's pixels rounded up.
    const struct {
        int percent;
        double ratio;
        double scale;
        int extent;
    } sizes[] = {
        {100, 1, 1, 366},           {175, 1, 1.75, 641},   {400, 1, 4, 1464},
        {100, 1.1, 26.0 / 24, 361}, {150, 1.5, 2.25, 549},
    };
    for (const auto& s : sizes) {
        EXPECT_DOUBLE_EQ(crispScale(s.percent / 100.0 * s.ratio), s.scale) << s.percent << " at " << s.ratio;
        EXPECT_EQ(windowedExtent(s.percent, s.ratio), s.extent) << s.percent << " at " << s.ratio;
    }
    // The largest step that fits with a menu bar of 24 pixels, and full
    // screen on the common screens.
    EXPECT_EQ(largestFittingStep(1920, 1040, 0, 24, 1), 250);
    EXPECT_EQ(largestFittingStep(3840, 2120, 2, 30, 1), 400);
    EXPECT_EQ(largestFittingStep(800, 600, 0, 24, 1), 150);
    EXPECT_EQ(largestFittingStep(300, 300, 0, 24, 1), 100);
    EXPECT_DOUBLE_EQ(fullScreenScale(1920, 1080), 70.0 / 24);
    EXPECT_DOUBLE_EQ(fullScreenScale(3840, 2160), 141.0 / 24);
}
