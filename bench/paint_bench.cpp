// What one frame of the play field costs the windows, without a window or an
// X server in the way: drawing the scene at one pixel per game pixel, then
// zooming it into a window-sized 32-bit picture, as the windows do into their
// backing store, against a painter's own nearest-neighbour drawImage of the
// same. The zooms are 1, 4 (a usual window), 6 (fullscreen at 1920 x 1080)
// and 13 (fullscreen at 3840 x 2160).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/qt/picture_library.h"
#include "shell/qt/scene_painter.h"
#include "shell/qt/zoomed_copy.h"

namespace {

using tt::FormId;

// A play field some way into a game, so that its whole scene is drawn.
class PlayedField {
public:
    PlayedField() : game_(tt::EmbeddedPictures::instance()) {
        game_.start();
        game_.click(FormId::Main, "Command1");
        for (int i = 0; i < 10; ++i) game_.tick();
        painter_.refresh(objects(), true);
    }
    const tt::FormObjects& objects() const { return *game_.loaded(FormId::Play); }
    tt::ScenePainter& painter() { return painter_; }

private:
    tt::Game game_;
    tt::ScenePainter painter_{tt::formDefinition(FormId::Play).layout};
};

PlayedField& field() {
    static PlayedField played;
    return played;
}

void BM_DrawScene(benchmark::State& state) {
    PlayedField& played = field();
    for (auto _ : state) benchmark::DoNotOptimize(played.painter().refresh(played.objects(), true));
}
BENCHMARK(BM_DrawScene)->Unit(benchmark::kMicrosecond);

QImage windowPixels(const QImage& frame, int scale) {
    QImage pixels(frame.size() * scale, QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::black);
    return pixels;
}

void BM_ZoomStraightIntoThePixels(benchmark::State& state) {
    const QImage& frame = field().painter().frame();
    const int scale = static_cast<int>(state.range(0));
    QImage pixels = windowPixels(frame, scale);
    for (auto _ : state) {
        tt::copyZoomed(frame, scale, pixels, QPoint(), pixels.rect());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * pixels.sizeInBytes());
}
BENCHMARK(BM_ZoomStraightIntoThePixels)->Arg(1)->Arg(4)->Arg(6)->Arg(13)->Unit(benchmark::kMicrosecond);

void BM_ZoomWithAPainter(benchmark::State& state) {
    const QImage& frame = field().painter().frame();
    const int scale = static_cast<int>(state.range(0));
    QImage pixels = windowPixels(frame, scale);
    for (auto _ : state) {
        QPainter painter(&pixels);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(pixels.rect(), frame);
        painter.end();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * pixels.sizeInBytes());
}
BENCHMARK(BM_ZoomWithAPainter)->Arg(1)->Arg(4)->Arg(6)->Arg(13)->Unit(benchmark::kMicrosecond);

}  // namespace

// The scene's fonts and palette need a GUI application; no window opens.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
