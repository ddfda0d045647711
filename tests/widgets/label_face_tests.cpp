// How the labels' faces look on the start screen: bold bitmap letters that
// stay apart, and a title whose smooth edges only ever blend its yellow into
// what lies behind it, at every zoom.

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

#include "shell/qt/fonts.h"
#include "shell/qt/front_end.h"
#include "shell/qt/picture_library.h"
#include "shell/qt/smooth_labels.h"
#include "shell/start_layout.h"
#include "shell/qt/form_window.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

class LabelFaces : public ::testing::Test {
protected:
    LabelFaces() : game(EmbeddedPictures::instance()) { game.start(); }

    QImage screenshot(int zoom = 1) {
        const QString file = directory.filePath(QStringLiteral("shot.png"));
        EXPECT_EQ(screenshotForm(game, FormId::Main, file.toStdString(), zoom), "");
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir directory;
    Game game;
};

// Runs of neighbouring columns that hold a pixel of the given colour.
int inkRuns(const QImage& image, const QRect& box, QRgb ink) {
    int runs = 0;
    bool inRun = false;
    for (int x = box.left(); x <= box.right(); ++x) {
        bool inked = false;
        for (int y = box.top(); y <= box.bottom() && !inked; ++y) inked = image.pixel(x, y) == ink;
        if (inked && !inRun) ++runs;
        inRun = inked;
    }
    return runs;
}

TEST_F(LabelFaces, BoldBitmapLettersStayApart) {
    loadGameFonts();
    if (!isBitmapFace(sceneFont(start::kSansBold13))) GTEST_SKIP() << "no bitmap face installed";
    const ObjectSpec& spec = *findObject(start::kLayout, "Character");
    const QRect box = pixelRect(spec.left, spec.top, spec.width, spec.height);
    // Letters of these names touch when the doubled strokes close the gap.
    for (const char* name : {"Ember", "Fennel", "Clover", "Rook"}) {
        SCOPED_TRACE(name);
        game[start::Character].caption = name;
        EXPECT_EQ(inkRuns(screenshot(), box, qRgb(255, 255, 255)),
                  static_cast<int>(std::string_view(name).size()));
    }
}

constexpr LabelRef kTitle = objectRef<ObjectKind::Label>(FormId::Main, start::kObjects, "Label1");
constexpr ImageRef kStage = objectRef<ObjectKind::Image>(FormId::Main, start::kObjects, "Image5");
constexpr ImageRef kBackdrop = objectRef<ObjectKind::Image>(FormId::Main, start::kObjects, "Image6");
const QColor kTitleYellow(255, 255, 0);

QRect titleBox(int zoom) {
    const ObjectSpec& spec = *findObject(start::kLayout, "Label1");
    const QRect box = pixelRect(spec.left, spec.top, spec.width, spec.height);
    return {box.topLeft() * zoom, box.size() * zoom};
}

// Every pixel of the box lies on the line from the back colour to the
// title's yellow, give or take rounding: no darker fringe, no tint. Returns
// how many are the title's yellow itself.
int expectBlendsOfTitleAnd(const QImage& image, const QRect& box, const QColor& back) {
    const int ink[] = {kTitleYellow.red(), kTitleYellow.green(), kTitleYellow.blue()};
    const int under[] = {back.red(), back.green(), back.blue()};
    // Measured along the channel where the two colours are farthest apart.
    const int* widest = std::max_element(ink, ink + 3, [&](const int& a, const int& b) {
        return std::abs(a - under[&a - ink]) < std::abs(b - under[&b - ink]);
    });
    const auto channel = widest - ink;
    int yellow = 0;
    int wrong = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int got[] = {pixel.red(), pixel.green(), pixel.blue()};
            const double share = double(got[channel] - under[channel]) / (ink[channel] - under[channel]);
            bool blend = share >= 0 && share <= 1;
            for (int c = 0; c < 3; ++c)
                blend = blend && std::abs(got[c] - (under[c] + share * (ink[c] - under[c]))) <= 2;
            if (!blend && ++wrong <= 3) ADD_FAILURE() << "pixel " << x << "," << y << " is "
                                                      << pixel.name().toStdString();
            if (pixel == kTitleYellow) ++yellow;
        }
    EXPECT_EQ(wrong, 0);
    return yellow;
}

// Zoomed up from one game pixel the title would be whole blocks; drawn at
// the screen's resolution its edges fall inside them.
bool hasEdgesFinerThanAGamePixel(const QImage& image, const QRect& box, int zoom) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixel(x, y) != image.pixel(x - (x - box.left()) % zoom, y - (y - box.top()) % zoom))
                return true;
    return false;
}

// The start screen with nothing behind the title but the form's back colour.
TEST_F(LabelFaces, TheTitleBlendsOnlyItsYellowIntoTheBackColourAtEveryZoom) {
    game[kStage].visible = false;
    game[kBackdrop].visible = false;
    for (int zoom : {1, 2, 3}) {
        SCOPED_TRACE(zoom);
        const QImage shot = screenshot(zoom);
        const QColor back = shot.pixelColor(0, 0);
        ASSERT_NE(back, kTitleYellow);
        EXPECT_GT(expectBlendsOfTitleAnd(shot, titleBox(zoom), back), 20 * zoom * zoom);
        if (zoom > 1) {
            EXPECT_TRUE(hasEdgesFinerThanAGamePixel(shot, titleBox(zoom), zoom));
        }
    }
}

// The curtain's dark red shows a dark fringe best; the title is drawn
// straight onto it, as the window draws it over the zoomed scene.
TEST_F(LabelFaces, TheTitleDrawnOverDarkRedHasNoFringe) {
    loadGameFonts();
    const QColor red(128, 0, 16);
    const QRect client(0, 0, toPixels(start::kLayout.clientWidth),
                       toPixels(start::kLayout.clientHeight));
    for (int zoom : {1, 2, 3}) {
        SCOPED_TRACE(zoom);
        QImage image(client.size() * zoom, QImage::Format_RGB32);
        image.fill(red);
        QPainter painter(&image);
        drawSmoothLabels(painter, game.objects(FormId::Main), client, zoom);
        painter.end();
        EXPECT_GT(expectBlendsOfTitleAnd(image, titleBox(zoom), red), 20 * zoom * zoom);
    }
}

struct PaintedRegion final : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion region;
};

// The scene's frame never holds the title, so its changes must still reach
// the window as a part to repaint, and nothing else may.
TEST_F(LabelFaces, TheWindowRepaintsTheTitleWhenItChanges) {
    WindowSet windows(game, 2);
    windows.sync();
    FormWindow* start = windows.window(FormId::Main);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    QCoreApplication::processEvents();
    PaintedRegion painted;
    start->clientArea()->installEventFilter(&painted);
    const QRect title = start->zoom().logicalRect(titleBox(1));
    const auto changes = {+[](Label& label) { label.caption = "Turnip Trek 3"; },
                          +[](Label& label) { label.colour = Rgb{255, 255, 255}; },
                          +[](Label& label) { label.left += 150; },
                          +[](Label& label) { label.visible = false; }};
    for (auto change : changes) {
        painted.region = {};
        change(game[kTitle]);
        windows.sync();
        QCoreApplication::processEvents();
        EXPECT_TRUE(painted.region.intersects(title));
    }
    painted.region = {};
    windows.sync();
    QCoreApplication::processEvents();
    EXPECT_TRUE(painted.region.isEmpty());
    start->clientArea()->removeEventFilter(&painted);
}

}  // namespace
}  // namespace tt::testing
