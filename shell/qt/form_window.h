#pragma once

// One top-level window for one form: its title, icon and menu bar, a client
// area of the layout's size showing the scene, and real controls at their
// layout positions. The window only shows the game and passes input on; the
// game decides everything.

#include <QMainWindow>
#include <QPixmap>

#include <cstdint>
#include <string>
#include <vector>

#include "shell/game.h"
#include "shell/qt/field_overlay.h"
#include "shell/qt/form_input.h"
#include "shell/qt/scene_painter.h"
#include "shell/qt/zoom.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tt {

class ClientArea;

class FormWindow final : public QMainWindow {
public:
    // Without input the window is only a picture of the form (screenshots).
    FormWindow(const Game& game, FormId form, int zoom, FormInput* input);
    ~FormWindow() override;

    FormId form() const { return form_; }
    // The zoom the client area shows now: the window's, or fullscreen's.
    const Zoom& zoom() const;
    // The zoom of the window when it is not fullscreen.
    int windowZoom() const { return windowZoom_; }
    void setWindowZoom(int factor);
    // Fullscreen shows the client area alone, at the largest zoom that
    // fits the screen, in the middle of a black screen.
    void setFullScreen(bool on);
    bool fullScreen() const { return fullScreen_; }
    void setOverlay(const FieldOverlay* overlay);
    QWidget* clientArea() const;
    QPushButton* button(std::string_view name) const;
    QLineEdit* textBox(std::string_view name) const;
    QScrollBar* scrollBar(std::string_view name) const;

    // Brings the controls, the caption and the scene in step with the game;
    // repaints only when the scene changed.
    void syncFromGame();
    // Gives the focus to the first control of the focus order.
    void focusFirstControl();
    // What the client area shows, controls included.
    QPixmap grabClientArea();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void applyZoom(const Zoom& zoom);
    void syncControls(const FormObjects& objects);

    const Game& game_;
    FormId form_;
    const FormLayout& layout_;
    int windowZoom_;
    bool fullScreen_ = false;
    QRect windowedGeometry_;
    FormInput* input_;
    ClientArea* client_ = nullptr;
    std::vector<QPushButton*> buttons_;
    std::vector<QLineEdit*> textBoxes_;
    std::vector<QScrollBar*> scrollBars_;
    // What the controls were last given, so that an unchanged game costs
    // no text conversions.
    std::vector<std::string> shownCaptions_;
    std::vector<std::string> shownTexts_;
};

}  // namespace tt
