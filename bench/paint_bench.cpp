// Painting one whole frame of the game's scene into an offscreen image, at
// device pixel ratio 1 and 2 and at the zoom steps 100, 200 and 400 %, as
// the window's backing store would receive it. The scenes are real: a fresh game as Form_Load builds it, and
// the busy board of the tick benchmarks (fifty bullets, charging guns, bad squares).

#include "board_states.h"

#include "app/window_definition.h"
#include "qt/scene_painter.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

using vexel::bench::Rig;

// `cached`: one ScenePainter for every frame, as the window keeps it;
// otherwise each frame goes through the one-shot paintScene.
template <void (*Make)(Rig&), bool cached> void paintFrame(benchmark::State& state)
{
    Rig rig;
    Make(rig);
    const auto ratio = static_cast<int>(state.range(0));
    QImage image(vexel::window::ClientWidth * ratio, vexel::window::ClientHeight * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    const QRect client(0, 0, vexel::window::ClientWidth, vexel::window::ClientHeight);
    vexel::qt::ScenePainter scenePainter;
    for (auto _ : state) {
        QPainter painter(&image);
        if (cached)
            scenePainter.paint(painter, rig.form().scene(), client);
        else
            vexel::qt::paintScene(painter, rig.form().scene());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = static_cast<double>(image.width()) * image.height();
}

// The board as the window paints it at a zoom step (per cent), at device
// pixel ratio 1: the painter scaled, every edge snapped to the device grid.
// With `colourSafe`, every state carries its mark as well.
template <bool colourSafe> void paintZoomed(benchmark::State& state)
{
    Rig rig;
    vexel::bench::makeBusy(rig);
    const double zoom = static_cast<double>(state.range(0)) / 100;
    const int extent = static_cast<int>(std::ceil(vexel::window::ClientWidth * zoom));
    QImage image(extent, extent, QImage::Format_ARGB32_Premultiplied);
    const QRect client(0, 0, vexel::window::ClientWidth, vexel::window::ClientHeight);
    vexel::qt::ScenePainter scenePainter;
    scenePainter.setColourSafe(colourSafe);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.scale(zoom, zoom);
        scenePainter.paint(painter, rig.form().scene(), client);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = static_cast<double>(image.width()) * image.height();
}

void startScene(Rig& rig)
{
    rig.host.show();
}

} // namespace

BENCHMARK(paintFrame<startScene, true>)
    ->Name("Paint/start")
    ->ArgName("dpr")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(paintFrame<vexel::bench::makeBusy, true>)
    ->Name("Paint/busy")
    ->ArgName("dpr")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(paintFrame<vexel::bench::makeBusy, false>)
    ->Name("Paint/busy_one_shot")
    ->ArgName("dpr")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(paintZoomed<false>)
    ->Name("Paint/busy_zoom")
    ->ArgName("percent")
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(paintZoomed<true>)
    ->Name("Paint/busy_zoom_colour_safe")
    ->ArgName("percent")
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    // Fonts and image formats want an application object; no window is
    // shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
