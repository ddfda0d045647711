#pragma once

// The game's windows: one for each form the game shows, kept in step with
// the game after every clock tick and every input. The game is the truth;
// the windows follow its form states, its modal show and its scene.

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <map>
#include <functional>
#include <memory>

#include "shell/game.h"
#include "shell/qt/field_overlay.h"
#include "shell/qt/form_input.h"
#include "shell/qt/front_end_keys.h"
#include "shell/qt/form_window.h"
#include "shell/qt/player_input.h"
#include "shell/qt/window_placement.h"

namespace tt {

inline constexpr std::array<FormId, kFormCount> kAllForms{FormId::Main, FormId::Play, FormId::GX,
                                                          FormId::Settings, FormId::Say};

class WindowSet final : public QObject, public FormInput {
public:
    WindowSet(Game& game, int zoom);
    ~WindowSet() override;

    // Creates, shows, hides and destroys windows as the form states say and
    // brings every window's contents in step with the game.
    void sync();
    // The window of a form, or nullptr while the game does not show it.
    FormWindow* window(FormId form) const;
    // Runs once when the game has ended and every window is gone.
    void onEnded(std::function<void()> ended) { ended_ = std::move(ended); }
    // Where every window's input goes on to the game.
    PlayerInput& playerInput() { return playerInput_; }

    // The zoom of every window, changed by whole steps within what fits the
    // screen; automatic is the largest that fits.
    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    int automaticZoom() const;
    // The play field fullscreen, or back in its window.
    void toggleFullScreen();
    // A paused game's clock stands still and it takes no input but the
    // close boxes. `changed` hears of each pause and resume.
    void togglePause();
    bool paused() const { return overlay_.paused; }
    void onPauseChanged(std::function<void(bool paused)> changed) {
        pauseChanged_ = std::move(changed);
    }
    // What the windows draw over the play field.
    const FieldOverlay& overlay() const { return overlay_; }
    void toggleKeysPanel();
    // Saves what the play field shows in the pictures folder and says where.
    void saveScreenshot();

    bool takesInput(FormId form) const override;
    void click(FormId form, std::string_view object) override;
    void keyDown(FormId form, std::int16_t code) override;
    void typeText(TextBoxRef box, const QString& text) override;
    void scroll(ScrollBarRef bar, int value) override;
    void closeBox(FormId form) override;
    // A window destroyed by something other than its close box counts as a
    // click on its close box; if the game still shows the form, it gets a
    // new window.
    void lostFromOutside(FormId form);

protected:
    // Keeps every input away from a window the modal show blocks.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormWindow* create(FormId form);
    void placeNew(FormWindow& window);
    void moveTo(FormWindow& window, QPoint corner);
    void replaceAfterZoom();
    PlacedWindows placedWindows() const;
    QMargins frameMargins() const;
    // At the windows' zoom, or another.
    QSize windowSize(FormId form, std::optional<int> zoom = {}) const;
    bool frontEndKeyPressed(FormId form, const class QKeyEvent& key);
    void act(FrontEndKey key);
    void setPaused(bool paused);
    void showNote(const QString& note);
    void overlayChanged();
    void followFullScreen(FormWindow& window, bool released = false);
    void releaseFromPlayField();
    void destroy(FormId form);
    void activateModal();
    std::optional<FormId> formOfWidget(QObject* object) const;

    Game& game_;
    PlayerInput playerInput_{game_};
    int zoom_;
    std::array<QPointer<FormWindow>, kFormCount> windows_{};
    std::optional<FormId> activeModal_;
    std::function<void()> ended_;
    bool endReported_ = false;
    std::unique_ptr<class LostWindows> lostWindows_;
    FieldOverlay overlay_;
    bool keysPanelOffered_ = false;
    QTimer noteTimer_;
    mutable std::map<std::pair<FormId, int>, QSize> windowSizes_;
    // Where each window's frame was put.
    std::array<std::optional<QPoint>, kFormCount> placedAt_{};
    std::function<void(bool)> pauseChanged_;
};

}  // namespace tt
