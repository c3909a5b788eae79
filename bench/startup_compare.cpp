// Start-up time to the first painted frame and peak memory of the game,
// side by side with the floor window, each started fresh on the offscreen
// platform, interleaved, several times. Prints medians and the ratios.
// Given a locale, the game also starts in that locale's language, and is
// compared with itself in English (LANG=C).
//
//   vexel_startup_compare GAME FLOOR PROBE_LIBRARY [RUNS [LOCALE]]

#include "scratch_folder.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds = 0;
    double peakMiB = 0;
};

struct Program {
    std::string label;
    std::string path;
    // The locale the program starts in; empty to inherit the environment.
    std::string locale;
    std::vector<Sample> samples;
};

// Starts the program with the probe preloaded, waits for its first-paint
// line and its exit, and returns the time to that line and the peak
// resident memory of the process.
bool runOnce(const Program& program, const std::string& probe, const std::string& dataHome, Sample& sample)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return false;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (fds[1] != 3) {
            ::dup2(fds[1], 3);
            ::close(fds[1]);
        }
        // Qt's notes about the offscreen platform are noise here.
        if (std::getenv("VEXEL_STARTUP_VERBOSE") == nullptr) {
            const int null = ::open("/dev/null", O_WRONLY);
            if (null >= 0)
                ::dup2(null, 2);
        }
        ::setenv("LD_PRELOAD", probe.c_str(), 1);
        ::setenv("VEXEL_PROBE_FD", "3", 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        if (!program.locale.empty()) {
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                ::unsetenv(name);
            ::setenv("LANG", program.locale.c_str(), 1);
        }
        ::execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    char line[16] = {};
    const ssize_t got = ::read(fds[0], line, sizeof line - 1);
    const auto painted = std::chrono::steady_clock::now();
    ::close(fds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (got <= 0 || std::strncmp(line, "painted", 7) != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    sample.milliseconds = std::chrono::duration<double, std::milli>(painted - start).count();
    sample.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s GAME FLOOR PROBE_LIBRARY [RUNS [LOCALE]]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 15;
    const std::string probe = argv[3];
    const vexel::testsupport::ScratchFolder folder;
    const std::string dataHome = folder.path().string();

    const std::string locale = argc > 5 ? argv[5] : "";
    std::vector<Program> programs = {{"vexel", argv[1], locale.empty() ? "" : "C", {}},
                                     {"floor", argv[2], {}, {}}};
    if (!locale.empty())
        programs.push_back({"vexel", argv[1], locale, {}});
    Sample ignored;
    // One unmeasured start each: the game creates its records file on its
    // first start, and the first start of anything fills the page cache.
    bool ok = true;
    for (const Program& program : programs)
        ok = ok && runOnce(program, probe, dataHome, ignored);
    for (int run = 0; ok && run < runs; ++run) {
        // Take turns at going first, so none always follows another.
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Program& program = programs[(i + static_cast<std::size_t>(run)) % programs.size()];
            Sample sample;
            ok = ok && runOnce(program, probe, dataHome, sample);
            program.samples.push_back(sample);
        }
    }
    if (!ok) {
        std::fprintf(stderr, "a program did not report its first frame\n");
        return 1;
    }

    auto field = [](const Program& p, double Sample::*member) {
        std::vector<double> values;
        for (const Sample& s : p.samples)
            values.push_back(s.*member);
        return median(values);
    };
    const Program& game = programs[0];
    const Program& floor = programs[1];
    const double gameMs = field(game, &Sample::milliseconds);
    const double floorMs = field(floor, &Sample::milliseconds);
    const double gameMiB = field(game, &Sample::peakMiB);
    const double floorMiB = field(floor, &Sample::peakMiB);
    std::printf("start-up to first painted frame and peak memory, median of %d interleaved runs\n", runs);
    std::printf("  %-6s %8.1f ms %8.1f MiB\n", floor.label.c_str(), floorMs, floorMiB);
    std::printf("  %-6s %8.1f ms %8.1f MiB\n", game.label.c_str(), gameMs, gameMiB);
    std::printf("  start-up ratio %.2f (target <= 1.5: %s)\n", gameMs / floorMs,
                gameMs <= 1.5 * floorMs ? "met" : "MISSED");
    std::printf("  memory above floor %.1f MiB (target <= 8: %s)\n", gameMiB - floorMiB,
                gameMiB - floorMiB <= 8.0 ? "met" : "MISSED");
    if (programs.size() > 2) {
        const double translatedMs = field(programs[2], &Sample::milliseconds);
        const double translatedMiB = field(programs[2], &Sample::peakMiB);
        std::printf("  vexel with LANG=%s %8.1f ms %8.1f MiB\n", locale.c_str(), translatedMs, translatedMiB);
        std::printf("  start-up against English (LANG=C) %.3f (target <= 1.05: %s), memory %+.1f MiB\n",
                    translatedMs / gameMs, translatedMs <= 1.05 * gameMs ? "met" : "MISSED",
                    translatedMiB - gameMiB);
    }
    return 0;
}
