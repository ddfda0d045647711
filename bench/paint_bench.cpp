// What one frame of the play field costs the windows, without an X server in
// the way: drawing the scene at one pixel per game pixel, then zooming it
// into a window-sized 32-bit picture, as the windows do into their backing
// store, against a painter's own nearest-neighbour drawImage of the same and
// against the plain fill the window benchmark's bare window paints. The
// zooms are 1, 4 (a usual window), 6 (fullscreen at 1920 x 1080) and 13
// (fullscreen at 3840 x 2160). Last, one whole clock tick of the windows at
// zoom 1 (the game's tick, the windows following it, the repaint) against a
// bare window's repaint, on Qt's offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/qt/form_window.h"
#include "shell/qt/picture_library.h"
#include "shell/qt/scene_painter.h"
#include "shell/qt/window_set.h"
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

// Two colours in turn, as the bare window paints.
QColor bareColour(int frame) { return (frame & 1) ? QColor(63, 191, 255) : QColor(0, 192, 192); }

void BM_FillAsTheBareWindowDoes(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    QImage pixels = windowPixels(field().painter().frame(), scale);
    int frame = 0;
    for (auto _ : state) {
        QPainter painter(&pixels);
        painter.fillRect(pixels.rect(), bareColour(++frame));
        painter.end();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * pixels.sizeInBytes());
}
BENCHMARK(BM_FillAsTheBareWindowDoes)->Arg(1)->Arg(4)->Arg(6)->Arg(13)->Unit(benchmark::kMicrosecond);

class BareWindow final : public QWidget {
public:
    BareWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }
    int frame = 0;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), bareColour(frame)); }
};

void BM_BareWindowRepaint(benchmark::State& state) {
    BareWindow bare;
    bare.setFixedSize(255, 158);
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare)) state.SkipWithError("the window did not show");
    for (auto _ : state) {
        ++bare.frame;
        bare.update();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_BareWindowRepaint)->Unit(benchmark::kMicrosecond);

void BM_WindowsClockTick(benchmark::State& state) {
    tt::Game game(tt::EmbeddedPictures::instance());
    tt::WindowSet windows(game, 1);
    game.start();
    windows.sync();
    windows.window(FormId::Main)->button("Command1")->click();
    windows.sync();
    tt::FormWindow* play = windows.window(FormId::Play);
    if (!play || !QTest::qWaitForWindowExposed(play)) state.SkipWithError("no play field");
    if (windows.overlay().keysPanel) windows.toggleKeysPanel();
    for (auto _ : state) {
        game.tick();
        windows.sync();
        // The whole field, as the window benchmark repaints it.
        play->clientArea()->update();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowsClockTick)->Unit(benchmark::kMicrosecond);

}  // namespace

// The windows are on Qt's offscreen platform: nothing shows.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
