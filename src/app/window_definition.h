#pragma once

namespace vexel {
class Scene;
class WindowHost;
} // namespace vexel

namespace vexel::window {

inline constexpr int ClientWidth = 366;
inline constexpr int ClientHeight = 366;
inline constexpr int TimerIntervalMs = 20;

// Puts the four templates into an empty scene, as the window holds them
// before any game code has run.
void defineTemplates(Scene& scene);

// What every load of the window starts from: the initial caption, no check
// marks and the timer enabled. Start-up then changes all three.
void applyDefinition(WindowHost& host);

} // namespace vexel::window
