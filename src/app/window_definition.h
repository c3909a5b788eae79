#pragma once

namespace vexel {
class Scene;
}

namespace vexel::window {

inline constexpr int ClientWidth = 366;
inline constexpr int ClientHeight = 366;
inline constexpr int TimerIntervalMs = 20;

// Puts the four templates into an empty scene, as the window holds them
// before any game code has run.
void defineTemplates(Scene& scene);

} // namespace vexel::window
