#pragma once

// A game with its windows, as the program starts it, and helpers to reach
// the windows' parts.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "shell/game.h"
#include "shell/qt/picture_library.h"
#include "shell/qt/window_set.h"
#include "shell/qt/zoom.h"

namespace tt::testing {

class WindowTest : public ::testing::Test {
protected:
    WindowTest() : game(EmbeddedPictures::instance()), windows(game, 1) {
        game.start();
        windows.onEnded([this] { ended = true; });
        windows.sync();
    }

    FormWindow& window(FormId form) {
        FormWindow* found = windows.window(form);
        if (!found) throw std::runtime_error("the form has no window");
        return *found;
    }

    // A click on the middle of an object, at its layout place.
    void clickObject(FormId form, std::string_view name) {
        const ObjectSpec* spec = findObject(formDefinition(form).layout, name);
        ASSERT_NE(spec, nullptr) << name;
        const QRect pixels = pixelRect(spec->left, spec->top, spec->width, spec->height);
        FormWindow& shown = window(form);
        const QPoint at = shown.zoom().logicalRect(pixels).center();
        QTest::mouseClick(shown.clientArea(), Qt::LeftButton, {}, at);
    }

    void pressGo() { window(FormId::Main).button("Command1")->click(); }

    void chooseMenu(FormId form, const char* item) {
        QAction* action = window(form).findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            game.tick();
            windows.sync();
        }
    }

    // Lets deferred deletions and posted events run.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    Game game;
    WindowSet windows;
    bool ended = false;
};

}  // namespace tt::testing
