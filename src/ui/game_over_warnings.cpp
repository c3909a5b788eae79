#include "ui/game_over_warnings.h"

#include "ui/window_host.h"

namespace vexel {

std::vector<std::string> GameOverWarnings::paragraphs() const
{
    std::vector<std::string> all;
    for (const std::vector<std::string>& part : parts_)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

void GameOverWarnings::show(WindowHost& host)
{
    const std::vector<std::string> all = paragraphs();
    if (all.empty())
        return;
    for (std::vector<std::string>& part : parts_)
        part.clear();
    // A paragraph may hold a blank line of its own; one between them keeps
    // each as it read in a box by itself.
    std::string text = all.front();
    for (std::size_t i = 1; i < all.size(); ++i)
        text += "\n\n" + all[i];
    host.messageBox(text, "Vexel", MessageIcon::Warning);
}

} // namespace vexel
