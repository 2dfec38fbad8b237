// Showing the map picture on screen: one paint of a 512 x 512 view at zoom 1 and at zoom 4 (the
// picture scaled without smoothing, plus the selection frame and, at zoom 4, the marker numbers),
// beside a plain copy of the same 512 x 512 pixels, so that the figures read as ratios.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "map/map_painter.h"
#include "ui/map/map_picture.h"

namespace {

using namespace corvane;

struct Scene {
    LevelTerrain terrain;
    std::array<Marker, kMarkerCount> markers{};
    MapImage image;

    Scene() {
        for (int y = 0; y < kMapCells; ++y)
            for (int x = 0; x < kMapCells; ++x)
                terrain.heights[static_cast<std::size_t>(y * kMapCells + x)] =
                    static_cast<std::int16_t>(std::max(0.0, 300 * std::sin(x / 9.0) * std::cos(y / 7.0) + 150));
        // 64 markers spread over the map, the rest on one spot as in the game's levels.
        for (int n = 0; n < 64; ++n)
            markers[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 37 % 256),
                                                    static_cast<std::uint8_t>(n * 91 % 256)};
        MapPainter(7).Paint(image, MapScene{terrain, markers, 3, -1});
    }
};

void BM_CopyPicture(benchmark::State& state) {
    Scene scene;
    QImage source(reinterpret_cast<const uchar*>(scene.image.Data()), MapImage::kSize, MapImage::kSize,
                  MapImage::kSize * 4, QImage::Format_RGB32);
    QImage target(MapImage::kSize, MapImage::kSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter(&target).drawImage(0, 0, source);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_CopyPicture);

// A 512 x 512 part of the view around the middle of the map, as a paint event would ask for it.
void BM_ViewPaint(benchmark::State& state) {
    Scene scene;
    LevelHeader header;
    header.markers = scene.markers;
    LevelDocument document(LevelPaths{}, scene.terrain, header);
    document.SelectMarker(3);
    MapPicture picture(scene.image);
    picture.setDocument(&document);
    picture.setShownSize(static_cast<int>(state.range(0)) * MapImage::kSize);
    const int side = MapImage::kSize;
    const QPoint corner = QPoint(picture.width() - side, picture.height() - side) / 2;
    QImage target(side, side, QImage::Format_RGB32);
    for (auto _ : state) {
        picture.render(&target, QPoint(), QRegion(QRect(corner, QSize(side, side))), QWidget::DrawChildren);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_ViewPaint)->Arg(1)->Arg(4);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
