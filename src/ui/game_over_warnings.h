#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vexel {

class WindowHost;

// What a game over could not keep: the records, the replay files, the
// history. Each adds its paragraph as it fails, and the game shows them all
// in one box once the last of them has been tried: a full disk costs the
// player one box, not one for each file.
class GameOverWarnings {
public:
    // The order the box reads in, whatever the order they were added in.
    enum class Part { Records, Replays, History };

    void add(Part part, std::string paragraph) { parts_[index(part)].push_back(std::move(paragraph)); }
    // What went wrong with this part is mended: nothing of it is shown.
    void clear(Part part) { parts_[index(part)].clear(); }
    // Records first, then replays, then history; each part's in its order.
    std::vector<std::string> paragraphs() const;
    // One warning box holding every paragraph, when there are any; they are
    // forgotten before it opens.
    void show(WindowHost& host);

private:
    static std::size_t index(Part part) { return static_cast<std::size_t>(part); }

    std::array<std::vector<std::string>, 3> parts_;
};

} // namespace vexel
