// Any bytes in the record file, any score and any typed name: reading the
// file, merging tables, ending a game on it and reading it back must never
// crash, never touch memory it should not, and must give back exactly the
// table that was written.
//
// Input layout: byte 0 holds flags (bit 0 two-way play, bit 1 no file at
// all), bytes 1-2 the score (big-endian, taken modulo 10000), byte 3 the
// length n of the typed name (modulo 32), then n bytes of name, then the
// file's bytes. Shorter inputs are padded with zeros.

#include "fuzz_check.h"

#include "app/form1.h"
#include "app/game_state.h"
#include "headless/headless_host.h"
#include "scores/score_file.h"
#include "scores/score_format.h"
#include "scores/score_table.h"
#include "text/utf8.h"
#include "ui/random_source.h"

#include "scratch_folder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

namespace sc = vexel::scores;

using vexel::fuzz::require;

struct Input {
    bool twoWay = false;
    bool noFile = false;
    int score = 0;
    std::string typed;
    std::string content;
};

Input split(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto byteAt = [&bytes](std::size_t i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0U;
    };
    Input input;
    input.twoWay = (byteAt(0) & 1U) != 0;
    input.noFile = (byteAt(0) & 2U) != 0;
    input.score = static_cast<int>((byteAt(1) << 8U | byteAt(2)) % 10000U);
    const std::size_t nameLength = byteAt(3) % 32U;
    const std::string_view rest = bytes.size() > 4 ? bytes.substr(4) : std::string_view();
    input.typed = std::string(rest.substr(0, nameLength));
    input.content = std::string(rest.substr(std::min(nameLength, rest.size())));
    return input;
}

// One folder for the whole run, on a memory file system when there is one:
// every save syncs, and a disk would make each input cost milliseconds. It
// goes away with the process.
const std::string& scratchFolder()
{
    static const vexel::testsupport::ScratchFolder folder(
        std::getenv("VEXEL_FUZZ_TMPDIR") && std::getenv("VEXEL_FUZZ_TMPDIR")[0]
            ? std::filesystem::path(std::getenv("VEXEL_FUZZ_TMPDIR"))
            : vexel::testsupport::ScratchFolder::memoryBacked());
    static const std::string path = folder.path().string();
    return path;
}

// The table the game plays with after reading these bytes.
std::string expectedTable(const Input& input, sc::LoadResult::Status& status)
{
    if (input.noFile) {
        status = sc::LoadResult::Status::Missing;
        return std::string(sc::DefaultTable);
    }
    // The reader never looks past MaxLineBytes, whatever the file holds.
    const std::string_view bounded = std::string_view(input.content).substr(0, sc::MaxLineBytes);
    const std::optional<std::string> table = sc::tableFromContent(bounded);
    status = table ? sc::LoadResult::Status::Loaded : sc::LoadResult::Status::NoTable;
    return table.value_or(std::string(sc::DefaultTable));
}

// The pure table helpers: a record replaces exactly one mode's fields.
std::string expectedAfterGame(const std::string& before, const Input& input)
{
    const std::string name = sc::holderName(input.typed);
    require(vexel::utf8::charCount(name) == sc::NameLength, "a holder's name is not five characters");
    for (const char ch : name)
        require(static_cast<unsigned char>(ch) >= 0x20 && ch != 0x7F,
                "a holder's name holds a control character");

    const sc::Record record = sc::recordBeaten(before, input.score, input.twoWay);
    const int best = sc::fieldValue(input.twoWay ? sc::twoWayScore(before) : sc::fourWayScore(before));
    require((record != sc::Record::None) == (input.score > best), "a record is not exactly a higher score");
    require(record == sc::Record::None || (record == sc::Record::TwoWay) == input.twoWay,
            "a record was set for the other mode");

    const std::string after = sc::withRecord(before, record, input.score, name);
    if (record == sc::Record::None) {
        require(after == before, "a game without a record changed the table");
        return after;
    }
    require(vexel::utf8::charCount(after) == 18, "a table with a new record is not 18 characters");
    const bool two = record == sc::Record::TwoWay;
    require((two ? sc::twoWayScore(after) : sc::fourWayScore(after)) == sc::scoreField(input.score),
            "the new record's score field is wrong");
    require((two ? sc::twoWayName(after) : sc::fourWayName(after)) == name, "the new record's name is wrong");
    require((two ? sc::fourWayScore(after) : sc::twoWayScore(after)) ==
                (two ? sc::fourWayScore(before) : sc::twoWayScore(before)),
            "the other mode's score changed");
    require((two ? sc::fourWayName(after) : sc::twoWayName(after)) ==
                (two ? sc::fourWayName(before) : sc::twoWayName(before)),
            "the other mode's holder changed");
    return after;
}

// Every byte of 0x80 and above is part of a well-formed sequence. Fields cut
// out of other text are put back together exactly only then: a broken byte
// at a field's end may join with the next field's first.
bool wellFormed(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = vexel::utf8::charLength(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80U)
            return false;
        pos += length;
    }
    return true;
}

// Two copies of the game saving over each other: per mode the higher score
// wins with its holder, an equal one keeps the stored holder, and a table
// with nothing higher stays as stored, byte for byte.
void checkMerge(const std::string& stored, const std::string& mine)
{
    const std::string merged = sc::mergeTables(stored, mine);
    bool changed = false;
    const bool exact = wellFormed(stored) && wellFormed(mine);
    for (const bool two : {true, false}) {
        auto score = [two](const std::string& t) { return two ? sc::twoWayScore(t) : sc::fourWayScore(t); };
        auto name = [two](const std::string& t) { return two ? sc::twoWayName(t) : sc::fourWayName(t); };
        const int theirs = sc::fieldValue(score(stored));
        const int ours = sc::fieldValue(score(mine));
        const std::string& winner = ours > theirs ? mine : stored;
        changed = changed || ours > theirs;
        if (!exact)
            continue;
        require(sc::fieldValue(score(merged)) == std::min(std::max(ours, theirs), sc::MaxScore),
                "a merge did not keep the higher score");
        require(name(merged) == name(winner), "a merge gave a score another holder");
    }
    require(changed || merged == stored, "a merge with nothing higher changed the stored table");
    require(!exact || sc::mergeTables(merged, mine) == merged,
            "merging the same table twice changed it again");
}

void checkLineRoundTrip(const std::string& table)
{
    require(sc::tableFromContent(sc::fileContent(table)) == table,
            "a written table does not read back the same");
    (void)sc::displayText(table);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Input input = split(data, size);
    const std::string path = scratchFolder() + "/vexel.ini";
    std::filesystem::remove(path);
    if (!input.noFile) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(input.content.data(), static_cast<std::streamsize>(input.content.size()));
        require(out.good(), "cannot write the input file");
    }

    sc::LoadResult::Status status{};
    const std::string before = expectedTable(input, status);
    sc::ScoreFile file(path);
    const sc::LoadResult loaded = file.load();
    require(loaded.status == status, "load() judged the file differently from tableFromContent");
    if (status == sc::LoadResult::Status::Loaded)
        require(loaded.table == before, "load() read another table than tableFromContent");
    checkLineRoundTrip(before);

    const std::string after = expectedAfterGame(before, input);
    checkLineRoundTrip(after);
    checkMerge(before, after);
    checkMerge(after, before);
    checkMerge(before, input.typed);

    // The same game through the window's code: start-up reads the file, the
    // game is lost with the input's score, and the restart reads it back.
    vexel::GameState state;
    vexel::HeadlessHost host;
    vexel::DefaultRandom random;
    std::ostringstream diagnostics;
    vexel::Form1 form(state, host, random, file, diagnostics);
    host.attach(form);
    host.show();
    require(state.highScores == before, "start-up did not play with the table the file holds");
    state.score = input.score;
    state.twoWay = input.twoWay ? std::int16_t{-1} : std::int16_t{0};
    host.queueAnswer(input.typed);
    form.Lost();
    require(host.reloads() == 1, "a lost game did not restart");
    require(state.highScores == after, "the restarted game reads another table than was stored");
    require(vexel::testsupport::readBytes(path) == sc::fileContent(after),
            "the file does not hold exactly the stored table");
    require(diagnostics.str().empty(), "saving in a writable folder reported an error");

    for (const auto& entry : std::filesystem::directory_iterator(scratchFolder())) {
        const std::string name = entry.path().filename().string();
        require(name == "vexel.ini" || name == ".vexel.ini.lock", "a save left a temporary file behind");
    }
    return 0;
}
