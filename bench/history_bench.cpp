// The history at 100 and at 100,000 games: adding a game at a game over,
// the work of `vexel --history`, and the `vexel --history` process. The
// games are real: a scripted player dodges the bullets closing in, as a
// person would, and after a while lets the guns win. Their replays, told
// apart by score and date, fill the large history in one transaction (not
// timed). The size a minute of such play adds is reported as well, and
// `vexel --history` at 100,000 games against 100, run in turns.

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
#include <optional>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#ifndef VEXEL_EXECUTABLE
#error "VEXEL_EXECUTABLE must name the game for the process benchmark"
#endif

extern char** environ;

namespace {

using namespace vexel;

using testsupport::generatedRecord;
using testsupport::playedGames;
using Played = testsupport::PlayedGame;

// A history of `games` games, made once per size and use for the whole run;
// a compact one keeps only the first line of each replay, so that 100,000
// games stay under the size up to which the whole file is checked.
const std::string& historyOf(int games, const std::string& use, bool compact = false)
{
    static const testsupport::ScratchFolder folder;
    static std::map<std::string, std::string> made;
    const std::string name = use + "-" + std::to_string(games) + (compact ? "-compact" : "");
    if (const auto found = made.find(name); found != made.end())
        return found->second;
    const std::string dir = folder.file(name);
    std::filesystem::create_directory(dir);
    const std::string path = dir + "/history.sqlite";
    if (testsupport::writeGeneratedHistory(path, static_cast<std::size_t>(games), compact))
        std::abort();
    return made.emplace(name, path).first->second;
}

void addGame(benchmark::State& state)
{
    const std::string& path = historyOf(static_cast<int>(state.range(0)), "add", state.range(1) != 0);
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

// The first game over of a run: the store opens the file, and before its
// first write checks the whole of it (up to 16 MiB). Each time on a fresh
// copy of the history (not timed), as a new run of the game finds it.
void firstGameOver(benchmark::State& state)
{
    const std::string& original = historyOf(static_cast<int>(state.range(0)), "first", state.range(1) != 0);
    const std::string copy = original + "-copy";
    const Played& played = playedGames().front();
    // Closed, which folds the log into the file, outside the timing.
    std::optional<history::HistoryStore> store;
    for (auto _ : state) {
        state.PauseTiming();
        store.reset();
        std::filesystem::copy_file(original, copy, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::remove(copy + "-wal");
        std::filesystem::remove(copy + "-shm");
        state.ResumeTiming();
        store.emplace(copy, std::string());
        if (store->add(generatedRecord(0, played), played.text))
            state.SkipWithError("the game could not be added");
    }
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(original)) / (1 << 20);
}

void printHistory(benchmark::State& state)
{
    const std::string& path = historyOf(static_cast<int>(state.range(0)), "print", state.range(1) != 0);
    std::size_t printed = 0;
    for (auto _ : state) {
        std::ostringstream out, err;
        if (history::printHistory(path, {}, out, err) != 0)
            state.SkipWithError("the history could not be printed");
        printed = out.str().size();
    }
    state.counters["bytes_printed"] = static_cast<double>(printed);
}

// One `vexel --history` process over the history at path, in milliseconds.
double historyRun(const std::string& path)
{
    const std::string scores = std::filesystem::path(path).replace_filename("vexel.ini").string();
    // VEXEL_BENCH_GAME names another build of the game, to compare two.
    const char* other = std::getenv("VEXEL_BENCH_GAME");
    std::string program = other != nullptr && *other != '\0' ? other : VEXEL_EXECUTABLE;
    std::string option = "--scores-file=" + scores;
    std::string history = "--history";
    char* argv[] = {program.data(), option.data(), history.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 0;
    const auto began = std::chrono::steady_clock::now();
    const bool ran = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) == 0 &&
                     waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const auto took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began);
    posix_spawn_file_actions_destroy(&actions);
    return ran ? took.count() : -1.0;
}

void historyProcess(benchmark::State& state)
{
    const std::string& path = historyOf(static_cast<int>(state.range(0)), "print", state.range(1) != 0);
    for (auto _ : state) {
        if (historyRun(path) < 0)
            state.SkipWithError("vexel --history failed");
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// `vexel --history` at 100 and at 100,000 games, the two run in turns so
// that the machine's load falls on both alike; the large history in each
// of its sizes, whole replays (above 16 MiB) and compact ones (below).
// At most 1.25 times the time at 100.
void historyProcessAgainst100(benchmark::State& state)
{
    const bool compact = state.range(0) != 0;
    const std::string& small = historyOf(100, "print", compact);
    const std::string& large = historyOf(100000, "print", compact);
    std::vector<double> smallTook, largeTook;
    for (auto _ : state) {
        smallTook.push_back(historyRun(small));
        largeTook.push_back(historyRun(large));
        if (smallTook.back() < 0 || largeTook.back() < 0)
            state.SkipWithError("vexel --history failed");
    }
    state.counters["at_100_ms"] = median(smallTook);
    state.counters["at_100000_ms"] = median(largeTook);
    state.counters["ratio"] = median(largeTook) / median(smallTook);
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(large)) / (1 << 20);
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
// Each size as the game leaves it (whole replays; 43 MB at 100,000) and
// compact (under 16 MiB, where the first write checks the whole file).
void eachHistory(benchmark::internal::Benchmark* bench)
{
    bench->ArgsProduct({{100, 100000}, {0, 1}})
        ->ArgNames({"games", "compact"})
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK(addGame)->Name("History/add_game")->Apply(eachHistory);
BENCHMARK(firstGameOver)->Name("History/first_game_over")->Apply(eachHistory);
BENCHMARK(printHistory)->Name("History/print_work")->Apply(eachHistory);
BENCHMARK(historyProcess)->Name("History/print_process")->Apply(eachHistory);
BENCHMARK(historyProcessAgainst100)
    ->Name("History/print_process_100000_against_100")
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"compact"})
    ->Iterations(21)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
