#include <gtest/gtest.h>

#include <QGuiApplication>

// The pictures are decoded with Qt's image readers, which want an
// application object; the offscreen platform needs no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
