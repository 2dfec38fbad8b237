// Painting the 512 x 512 map: a full paint after a load and the paint after one marker move, each
// beside plain fills of the same image (the whole image at once, and cell by cell in 4 x 4 squares),
// so that the figures read as ratios on any machine.
#include <benchmark/benchmark.h>

#include <cmath>

#include "map/map_painter.h"

namespace {

using namespace corvane;

LevelTerrain HillyTerrain() {
    LevelTerrain terrain;
    for (int y = 0; y < kMapCells; ++y)
        for (int x = 0; x < kMapCells; ++x)
            terrain.heights[static_cast<std::size_t>(y * kMapCells + x)] =
                static_cast<std::int16_t>(std::max(0.0, 300 * std::sin(x / 9.0) * std::cos(y / 7.0) + 150));
    terrain.playerPositions = {MapPoint{40, 40}, MapPoint{200, 40}, MapPoint{40, 200}, MapPoint{200, 200}};
    terrain.stoneHeads = {MapPoint{128, 128}, MapPoint{60, 180}};
    return terrain;
}

std::array<Marker, kMarkerCount> SpreadMarkers() {
    std::array<Marker, kMarkerCount> markers{};
    for (int n = 0; n < kMarkerCount; ++n)
        markers[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 37 % 256),
                                                static_cast<std::uint8_t>(n * 91 % 256)};
    return markers;
}

void BM_PlainFillWholeImage(benchmark::State& state) {
    MapImage image;
    int shade = 0;
    for (auto _ : state) {
        image.Fill(0, 0, MapImage::kSize - 1, MapImage::kSize - 1, Rgb{0, shade++ & 0xFF, 0});
        benchmark::DoNotOptimize(image.Data());
    }
}
BENCHMARK(BM_PlainFillWholeImage);

void BM_PlainFillCells(benchmark::State& state) {
    MapImage image;
    int shade = 0;
    for (auto _ : state) {
        for (int x = 0; x < kMapCells; ++x)
            for (int y = 0; y < kMapCells; ++y) image.Fill(4 * x, 4 * y, 4 * x + 3, 4 * y + 3, Rgb{0, shade & 0xFF, 0});
        ++shade;
        benchmark::DoNotOptimize(image.Data());
    }
}
BENCHMARK(BM_PlainFillCells);

void BM_FullPaint(benchmark::State& state) {
    LevelTerrain terrain = HillyTerrain();
    auto markers = SpreadMarkers();
    MapImage image;
    MapPainter painter(7);
    for (auto _ : state) {
        painter.InvalidateAll();
        painter.Paint(image, MapScene{terrain, markers, 3, 0});
        benchmark::DoNotOptimize(image.Data());
    }
    state.counters["cells"] = painter.LastPaintedCells();
}
BENCHMARK(BM_FullPaint);

void BM_PaintAfterOneMarkerMove(benchmark::State& state) {
    LevelTerrain terrain = HillyTerrain();
    auto markers = SpreadMarkers();
    MapImage image;
    MapPainter painter(7);
    painter.Paint(image, MapScene{terrain, markers, 3, 0});
    std::uint8_t x = 0;
    for (auto _ : state) {
        markers[3] = {x, static_cast<std::uint8_t>(255 - x)};
        x = static_cast<std::uint8_t>(x + 5);
        painter.Paint(image, MapScene{terrain, markers, 3, 0});
        benchmark::DoNotOptimize(image.Data());
    }
    state.counters["cells"] = painter.LastPaintedCells();
}
BENCHMARK(BM_PaintAfterOneMarkerMove);

}  // namespace

BENCHMARK_MAIN();
