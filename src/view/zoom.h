#pragma once

#include <array>
#include <cstddef>

namespace vexel::view {

// The sizes the View menu steps through, in per cent of the client area.
inline constexpr std::array<int, 8> ZoomSteps = {100, 125, 150, 175, 200, 250, 300, 400};
inline constexpr int ActualSize = 100;

// The step at or below a percentage; the first step for anything smaller.
std::size_t stepIndex(int percent);
// The next step up or down from a percentage, or the same percentage at
// either end.
int zoomedIn(int percent);
int zoomedOut(int percent);
bool isZoomStep(int percent);

// The largest scale at or below `wanted` device pixels per client pixel at
// which the board's pitch is a whole number of device pixels. Shapes are
// laid on the device grid by rounding every edge the same way, so at such
// a scale every square comes out the same size with every line the same
// width; at any other scale some squares would be a pixel wider than
// their neighbours. Never below one device pixel per pitch.
double crispScale(double wanted);

// Device pixels the client area's width (or height) takes at a scale.
double clientExtent(double scale);

// Whole logical pixels that hold the client area at `percent` on a device
// of the given ratio, the board painted at the crisp scale for it.
int windowedExtent(int percent, double deviceRatio);

// The largest step whose window fits the space the screen offers: the
// board's extent plus what the window adds around it (menu bar, frame),
// all in logical pixels. The first step when none fits.
int largestFittingStep(int availableWidth, int availableHeight, int extraWidth, int extraHeight,
                       double deviceRatio);

// The crisp scale at which the whole client area fits a screen of the
// given device pixels.
double fullScreenScale(int deviceWidth, int deviceHeight);

} // namespace vexel::view
