// Runs a fuzz body without libFuzzer, so that any compiler can build it
// into the test suite: first over every file of the seed corpus, then over
// inputs made by mutating those seeds with a fixed-seed generator.
//
//   vexel_fuzz_smoke_NAME CORPUS_DIR [COUNT [SEED]]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int run(const std::string& input)
{
    return LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

// Pieces that the readers and the name handling treat specially.
const char* const Fragments[] = {
    "\"",
    "\r",
    "\n",
    "\r\n",
    "\xC3\xA9",
    "\xE2\x82\xAC",
    "\xF0\x9F\x8E\xAE",
    "\xC3",
    "\x80",
    "\xED\xA0\x80",
    "\xF4\x90\x80\x80",
    "\x7F",
    "\x00",
    "9999",
    "0000",
    "ZUVO ",
    ",",
    // The replay format's words, escapes and limits.
    " @",
    " key ",
    " name \"",
    "\\x",
    "vexel-replay 1\n",
    "end score ",
    "4294967296",
    "4000000001",
};

std::string mutate(std::string input, std::mt19937& engine)
{
    const int edits = 1 + static_cast<int>(engine() % 8);
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = input.empty() ? 0 : engine() % (input.size() + 1);
        switch (engine() % 5) {
        case 0:
            if (at < input.size())
                input[at] = static_cast<char>(engine() & 0xFFU);
            break;
        case 1: {
            const char* piece = Fragments[engine() % std::size(Fragments)];
            input.insert(at, piece[0] ? std::string(piece) : std::string(1, '\0'));
            break;
        }
        case 2:
            if (at < input.size())
                input.erase(at, 1 + engine() % 8);
            break;
        case 3:
            input.insert(at, std::string(1 + engine() % 64, static_cast<char>(engine() & 0xFFU)));
            break;
        default:
            // Now and then a line longer than the reader's bound.
            if (engine() % 16 == 0)
                input.append(4096 + engine() % 64, 'x');
            break;
        }
    }
    return input;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR [COUNT [SEED]]\n", argv[0]);
        return 2;
    }
    const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 10000;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1U);

    std::vector<std::string> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "no seed inputs in %s\n", argv[1]);
        return 2;
    }
    for (const std::string& input : seeds)
        run(input);

    std::mt19937 engine(seed);
    for (long i = 0; i < count; ++i)
        run(mutate(seeds[engine() % seeds.size()], engine));

    // The body aborts on the first broken promise, so reaching this line
    // means every input passed.
    std::printf("fuzz smoke: %zu seeds and %ld mutated inputs checked\n", seeds.size(), count);
    return 0;
}
