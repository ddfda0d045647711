// The zoom written straight into a window's pixels: every game pixel a whole
// block, nothing written outside the part asked for, and the windows showing
// exactly what a painter's own scaling shows.

#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "level/play_layout.h"
#include "shell/qt/zoomed_copy.h"
#include "tests/widgets/window_fixture.h"

namespace tt::testing {
namespace {

constexpr QRgb kUntouched = 0xff123456;

// A small scene whose every pixel differs from the others.
QImage numberedFrame(QSize size) {
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) frame.setPixel(x, y, qRgb(10 * x, 20 * y, 200));
    return frame;
}

TEST(ZoomedCopy, FillsExactlyTheAskedPartWithWholeBlocks) {
    const QImage frame = numberedFrame(QSize(5, 4));
    const QPoint origin(2, 3);
    struct Case {
        int scale;
        QRect area;
    };
    // Whole, starting and ending mid-block, past the scene, past the target,
    // and partly left of the scene.
    for (const Case& each : {Case{1, QRect(0, 0, 5, 4)}, Case{3, QRect(0, 0, 15, 12)},
                             Case{3, QRect(4, 2, 7, 8)}, Case{4, QRect(5, 5, 40, 40)},
                             Case{13, QRect(10, 20, 100, 100)}, Case{17, QRect(3, 5, 200, 200)},
                             Case{2, QRect(-3, -1, 6, 5)}}) {
        SCOPED_TRACE(each.scale);
        QImage target(40, 30, QImage::Format_RGB32);
        target.fill(kUntouched);
        copyZoomed(frame, each.scale, target, origin, each.area);
        const QRect scene(QPoint(), frame.size() * each.scale);
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                const QPoint at = QPoint(x, y) - origin;
                const bool written = each.area.contains(at) && scene.contains(at);
                const QRgb expected =
                    written ? frame.pixel(at.x() / each.scale, at.y() / each.scale) : kUntouched;
                ASSERT_EQ(target.pixel(x, y), expected) << x << ", " << y;
            }
    }
}

TEST(ZoomedCopy, PaintsStraightIntoAPlain32BitImageOnly) {
    QImage image(30, 20, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        painter.translate(5, 7);
        const DirectTarget target = directTarget(painter);
        EXPECT_EQ(target.image, &image);
        EXPECT_EQ(target.origin, QPoint(5, 7));
        EXPECT_EQ(target.allowed, QRegion(-5, -7, 30, 20));
        painter.scale(2, 2);
        EXPECT_EQ(directTarget(painter).image, nullptr);
        painter.resetTransform();
        painter.translate(0.5, 0);
        EXPECT_EQ(directTarget(painter).image, nullptr);
    }
    QImage shallow(30, 20, QImage::Format_RGB16);
    QPainter onShallow(&shallow);
    EXPECT_EQ(directTarget(onShallow).image, nullptr);
}

class ZoomedWindow : public WindowTest {
protected:
    ZoomedWindow() {
        pressGo();
        tick();
        windows.setZoom(2);
        QWidget* play = &window(FormId::Play);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(play));
        field = window(FormId::Play).clientArea();
    }

    // What the window itself shows of the field, from its backing store.
    QImage shown() {
        QCoreApplication::processEvents();
        const QPoint corner = field->mapTo(field->window(), QPoint());
        return field->screen()
            ->grabWindow(field->window()->winId(), corner.x(), corner.y(), field->width(),
                         field->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // The whole field drawn afresh into a picture of its own.
    QImage grabbed() {
        return window(FormId::Play).grabClientArea().toImage().convertToFormat(QImage::Format_RGB32);
    }

    QWidget* field = nullptr;
};

TEST_F(ZoomedWindow, TheWindowShowsWhatThePainterScalesBeforeAndAfterAPartialRepaint) {
    if (windows.overlay().keysPanel) windows.toggleKeysPanel();
    field->repaint();
    ASSERT_EQ(shown().size(), field->size());
    EXPECT_EQ(shown(), grabbed());
    // The enemy moves by an odd number of pixels, so the part repainted
    // starts and ends inside game pixels' blocks of the old place.
    game[play::Enemy1].left -= 45;
    windows.sync();
    EXPECT_EQ(shown(), grabbed());
}

// On a screen of another depth the painter scales the scene itself.
TEST_F(ZoomedWindow, APainterThatCannotBeWrittenStraightIntoScalesTheSame) {
    if (windows.overlay().keysPanel) windows.toggleKeysPanel();
    QImage shallow(field->size(), QImage::Format_RGB16);
    field->render(&shallow);
    EXPECT_EQ(shallow, grabbed().convertToFormat(QImage::Format_RGB16));
}

}  // namespace
}  // namespace tt::testing
