// The history at 100 and at 100,000 games: adding a game at a game over,
// the work of `vexel --history`, and the `vexel --history` process. The
// games are real: a scripted player dodges the bullets closing in, as a
// person would, and after a while lets the guns win. Their replays, told
// apart by score and date, fill the large history in one transaction (not
// timed). The size a minute of such play adds is reported as well.

#include "history/history_command.h"
#include "history/history_store.h"

#include "generated_history.h"
#include "scratch_folder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

#ifndef VEXEL_EXECUTABLE
#error "VEXEL_EXECUTABLE must name the game for the process benchmark"
#endif

extern char** environ;

namespace {

using namespace vexel;

using testsupport::generatedRecord;
using testsupport::playedGames;
using Played = testsupport::PlayedGame;

// A history of `games` games, made once per size and use for the whole run.
const std::string& historyOf(int games, const std::string& use)
{
    static const testsupport::ScratchFolder folder;
    static std::map<std::string, std::string> made;
    const std::string name = use + "-" + std::to_string(games);
    if (const auto found = made.find(name); found != made.end())
        return found->second;
    const std::string dir = folder.file(name);
    std::filesystem::create_directory(dir);
    const std::string path = dir + "/history.sqlite";
    if (testsupport::writeGeneratedHistory(path, static_cast<std::size_t>(games)))
        std::abort();
    return made.emplace(name, path).first->second;
}

void addGame(benchmark::State& state)
{
    const std::string& path = historyOf(static_cast<int>(state.range(0)), "add");
    history::HistoryStore store(path, {});
    const std::vector<Played>& pool = playedGames();
    std::size_t i = 0;
    // The first game over of a run opens the file and checks it; timed
    // apart, since it is not what every game over costs.
    const auto opened = std::chrono::steady_clock::now();
    if (store.add(generatedRecord(i++, pool.front()), pool.front().text))
        state.SkipWithError("the game could not be added");
    state.counters["first_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - opened).count();
    std::vector<double> took;
    for (auto _ : state) {
        const Played& played = pool[i % pool.size()];
        const auto began = std::chrono::steady_clock::now();
        if (store.add(generatedRecord(i++, played), played.text))
            state.SkipWithError("the game could not be added");
        took.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began).count());
    }
    // Thousands of games go into the log here, far more than a session
    // adds, so a few writes also fold the log into the file.
    std::sort(took.begin(), took.end());
    state.counters["p99_ms"] = took[took.size() * 99 / 100];
    state.counters["slowest_ms"] = took.back();
    state.counters["over_5ms"] =
        static_cast<double>(took.end() - std::upper_bound(took.begin(), took.end(), 5.0));
}

void printHistory(benchmark::State& state)
{
    const std::string& path = historyOf(static_cast<int>(state.range(0)), "print");
    std::size_t printed = 0;
    for (auto _ : state) {
        std::ostringstream out, err;
        if (history::printHistory(path, {}, out, err) != 0)
            state.SkipWithError("the history could not be printed");
        printed = out.str().size();
    }
    state.counters["bytes_printed"] = static_cast<double>(printed);
}

void historyProcess(benchmark::State& state)
{
    const std::string& path = historyOf(static_cast<int>(state.range(0)), "print");
    const std::string scores = std::filesystem::path(path).replace_filename("vexel.ini").string();
    std::string program = VEXEL_EXECUTABLE;
    std::string option = "--scores-file=" + scores;
    std::string history = "--history";
    char* argv[] = {program.data(), option.data(), history.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("vexel --history failed");
    }
    posix_spawn_file_actions_destroy(&actions);
}

// What a minute of the dodging player's play adds: the replay text, and
// the file once the games are folded into it.
void typicalMinute(benchmark::State& state)
{
    const testsupport::ScratchFolder folder;
    const std::string path = folder.file("history.sqlite");
    double minutes = 0;
    std::size_t textBytes = 0;
    std::size_t events = 0;
    std::uintmax_t before = 0;
    std::uintmax_t after = 0;
    for (auto _ : state) {
        history::HistoryStore store(path, {});
        store.create();
        store.close();
        before = std::filesystem::file_size(path);
        for (const Played& played : playedGames()) {
            store.add(history::recordOf(played.game, false, 0), played.text);
            minutes += played.game.end.ticks / 3000.0;
            textBytes += played.text.size();
            events += played.game.events.size();
        }
        store.close();
        after = std::filesystem::file_size(path);
    }
    state.counters["minutes_played"] = minutes;
    state.counters["events_per_minute"] = static_cast<double>(events) / minutes;
    state.counters["replay_bytes_per_minute"] = static_cast<double>(textBytes) / minutes;
    state.counters["file_bytes_per_minute"] = static_cast<double>(after - before) / minutes;
}

} // namespace

BENCHMARK(typicalMinute)->Name("History/typical_minute")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(addGame)->Name("History/add_game")->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(printHistory)->Name("History/print_work")->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(historyProcess)
    ->Name("History/print_process")
    ->Arg(100)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
