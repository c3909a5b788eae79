#pragma once

#include <cstdint>

namespace vexel {
class Scene;
}

namespace vexel::board {

// Each builder brings its elements to the front in index order; start-up
// calls them in the order grid, bullets, guards, guns, and that order alone
// decides which shapes cover which.
void loadGrid(Scene& scene);
void loadBullet(Scene& scene);
void loadGuard(Scene& scene, int clientWidth, int clientHeight);
void loadGun(Scene& scene, std::int16_t twoWay);

} // namespace vexel::board
