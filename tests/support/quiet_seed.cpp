#include "quiet_seed.h"

#include "memory_store.h"

#include "app/form1.h"
#include "headless/headless_host.h"

#include <sstream>

namespace vexel::testsupport {

std::uint32_t quietSeed(int ticks, std::uint32_t from)
{
    for (std::uint32_t seed = from;; ++seed) {
        GameState state;
        HeadlessHost host;
        DefaultRandom random(seed);
        MemoryStore store;
        std::ostringstream diagnostics;
        Form1 form(state, host, random, store, diagnostics);
        host.attach(form);
        host.setRecording(false);
        host.show();
        host.pressKey(keys::Enter);
        int delivered = 0;
        while (delivered < ticks && host.tick())
            ++delivered;
        if (delivered == ticks && form.loads() == 1)
            return seed;
    }
}

} // namespace vexel::testsupport
