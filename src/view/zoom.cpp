#include "view/zoom.h"

#include "app/window_definition.h"
#include "board/geometry.h"

#include <algorithm>
#include <cmath>

namespace vexel::view {

namespace {

// Scales come from sums of decimal fractions; a pitch that should be whole
// may land a hair below it.
constexpr double Slack = 1e-9;

} // namespace

std::size_t stepIndex(int percent)
{
    std::size_t index = 0;
    for (std::size_t i = 0; i < ZoomSteps.size(); ++i) {
        if (ZoomSteps[i] <= percent)
            index = i;
    }
    return index;
}

bool isZoomStep(int percent)
{
    return std::find(ZoomSteps.begin(), ZoomSteps.end(), percent) != ZoomSteps.end();
}

int zoomedIn(int percent)
{
    const auto above = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), percent);
    return above == ZoomSteps.end() ? ZoomSteps.back() : *above;
}

int zoomedOut(int percent)
{
    const auto atOrAbove = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), percent);
    return atOrAbove == ZoomSteps.begin() ? ZoomSteps.front() : *(atOrAbove - 1);
}

double crispScale(double wanted)
{
    const double pitch = std::max(1.0, std::floor(wanted * board::Pitch + Slack));
    return pitch / board::Pitch;
}

double clientExtent(double scale)
{
    return window::ClientWidth * scale;
}

int windowedExtent(int percent, double deviceRatio)
{
    const double scale = crispScale(percent / 100.0 * deviceRatio);
    return static_cast<int>(std::ceil(clientExtent(scale) / deviceRatio - Slack));
}

int largestFittingStep(int availableWidth, int availableHeight, int extraWidth, int extraHeight,
                       double deviceRatio)
{
    int fitting = ZoomSteps.front();
    for (const int step : ZoomSteps) {
        const int extent = windowedExtent(step, deviceRatio);
        if (extent + extraWidth <= availableWidth && extent + extraHeight <= availableHeight)
            fitting = step;
    }
    return fitting;
}

double fullScreenScale(int deviceWidth, int deviceHeight)
{
    return crispScale(static_cast<double>(std::min(deviceWidth, deviceHeight)) / window::ClientWidth);
}

} // namespace vexel::view
