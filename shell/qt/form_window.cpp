#include "shell/qt/form_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include "shell/qt/client_area.h"
#include "shell/qt/fonts.h"
#include "shell/qt/window_icon.h"
#include "shell/qt/zoom_fit.h"

namespace tt {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

qreal screenRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

template <typename Widget>
Widget* named(const std::vector<Widget*>& widgets, std::string_view name) {
    const QString wanted = toQString(name);
    for (Widget* widget : widgets)
        if (widget->objectName() == wanted) return widget;
    return nullptr;
}

template <typename Object>
void place(QWidget* widget, const Object& object, const Zoom& zoom) {
    const QRect where =
        zoom.logicalRect(pixelRect(object.left, object.top, object.width, object.height));
    if (widget->geometry() != where) widget->setGeometry(where);
    if (widget->isHidden() == object.visible) widget->setVisible(object.visible);
}

}  // namespace

FormWindow::FormWindow(const Game& game, FormId form, int zoom, FormInput* input)
    : game_(game),
      form_(form),
      layout_(formDefinition(form).layout),
      windowZoom_(zoom),
      input_(input) {
    setObjectName(toQString(layout_.name));
    setWindowTitle(toQString(layout_.caption));
    if (const QIcon icon = formIcon(game, layout_.icon); !icon.isNull()) setWindowIcon(icon);
    // The client area sits in the middle of a black stage, which is no
    // bigger than the client area unless the window is fullscreen.
    auto* stage = new QWidget(this);
    stage->setAutoFillBackground(true);
    QPalette black = stage->palette();
    black.setColor(QPalette::Window, Qt::black);
    stage->setPalette(black);
    auto* centre = new QGridLayout(stage);
    centre->setContentsMargins(0, 0, 0, 0);
    client_ = new ClientArea(game, form, Zoom{zoom, screenRatio()}, input, stage);
    centre->addWidget(client_, 0, 0, Qt::AlignCenter);
    setCentralWidget(stage);
    buildMenus();
    buildControls();
    applyZoom(client_->zoom());
    // The client area has the layout's size; the window is built around it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

const Zoom& FormWindow::zoom() const { return client_->zoom(); }

void FormWindow::setOverlay(const FieldOverlay* overlay) { client_->setOverlay(overlay); }

void FormWindow::setWindowZoom(int factor) {
    windowZoom_ = factor;
    if (!fullScreen_) applyZoom(Zoom{factor, screenRatio()});
}

// The controls and the menus grow with the zoom, as the scene does.
void FormWindow::applyZoom(const Zoom& zoom) {
    client_->setZoom(zoom);
    const QFont menuFont = controlFont({}, zoom);
    if (!layout_.menus.empty()) {
        menuBar()->setFont(menuFont);
        for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(menuFont);
    }
    for (const ObjectSpec& spec : layout_.objects) {
        QWidget* widget = client_->findChild<QWidget*>(toQString(spec.name));
        if (spec.kind == ObjectKind::CommandButton && widget)
            widget->setFont(controlFont(spec.font, zoom));
        if (spec.kind == ObjectKind::TextBox && widget) widget->setFont(menuFont);
    }
    if (const FormObjects* objects = game_.loaded(form_)) syncControls(*objects);
    if (layout()) layout()->activate();
}

void FormWindow::setFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    const QScreen* shown = screen();
    const qreal ratio = shown ? shown->devicePixelRatio() : screenRatio();
    if (on) {
        windowedGeometry_ = geometry();
        const QSize field(toPixels(layout_.clientWidth), toPixels(layout_.clientHeight));
        const QSize screenSize = shown ? shown->geometry().size() : size();
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        menuBar()->hide();
        applyZoom(Zoom{zoomFillingScreen(screenSize, field, ratio), ratio});
        showFullScreen();
        return;
    }
    showNormal();
    if (!layout_.menus.empty()) menuBar()->show();
    applyZoom(Zoom{windowZoom_, ratio});
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The client area's own place: the frame is not back yet.
    setGeometry(QRect(windowedGeometry_.topLeft(), size()));
}

FormWindow::~FormWindow() = default;

QWidget* FormWindow::clientArea() const { return client_; }

void FormWindow::buildMenus() {
    if (layout_.menus.empty()) return;
    for (const MenuSpec& top : layout_.menus) {
        if (!top.parent.empty()) continue;
        QMenu* menu = menuBar()->addMenu(toQString(top.caption));
        menu->setObjectName(toQString(top.name));
        for (const MenuSpec& item : layout_.menus) {
            if (item.parent != top.name) continue;
            QAction* action = menu->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            if (!item.shortcut.empty()) action->setShortcut(QKeySequence(toQString(item.shortcut)));
            // The shortcut works while the pointer is anywhere over the window.
            addAction(action);
            const std::string_view name = item.name;
            connect(action, &QAction::triggered, this, [this, name] {
                if (input_) input_->click(form_, name);
            });
        }
    }
}

void FormWindow::buildControls() {
    const auto indices = kindIndices(layout_.objects);
    for (std::size_t row = 0; row < layout_.objects.size(); ++row) {
        const ObjectSpec& spec = layout_.objects[row];
        const auto index = indices[row];
        switch (spec.kind) {
        case ObjectKind::CommandButton: {
            auto* button = new QPushButton(toQString(spec.content), client_);
            button->setObjectName(toQString(spec.name));
            // A button with the focus is pressed by Enter as well as Space.
            button->setAutoDefault(true);
            const std::string_view name = spec.name;
            connect(button, &QPushButton::clicked, this, [this, name] {
                if (input_) input_->click(form_, name);
            });
            buttons_.push_back(button);
            shownCaptions_.emplace_back(spec.content);
            break;
        }
        case ObjectKind::TextBox: {
            auto* box = new QLineEdit(client_);
            box->setObjectName(toQString(spec.name));
            box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            const TextBoxRef ref{form_, index};
            connect(box, &QLineEdit::textEdited, this, [this, ref](const QString& text) {
                if (input_) input_->typeText(ref, text);
            });
            textBoxes_.push_back(box);
            shownTexts_.emplace_back();
            break;
        }
        case ObjectKind::HScrollBar: {
            auto* bar = new QScrollBar(Qt::Horizontal, client_);
            bar->setObjectName(toQString(spec.name));
            bar->setRange(spec.minimum, spec.maximum);
            // An arrow and the trough both move the value by one.
            bar->setSingleStep(1);
            bar->setPageStep(1);
            bar->setValue(spec.value);
            const ScrollBarRef ref{form_, index};
            connect(bar, &QScrollBar::valueChanged, this, [this, ref](int value) {
                if (input_) input_->scroll(ref, value);
            });
            scrollBars_.push_back(bar);
            break;
        }
        default: break;
        }
    }
    // Widgets are stacked in creation order, but the layout's first row is on
    // top: raising them from the last row up puts them in the layout's order.
    for (auto it = layout_.objects.rbegin(); it != layout_.objects.rend(); ++it) {
        if (QWidget* widget = client_->findChild<QWidget*>(toQString(it->name))) widget->raise();
    }
    // The focus order of the layout.
    QWidget* previous = nullptr;
    for (std::string_view name : layout_.focusOrder) {
        QWidget* widget = client_->findChild<QWidget*>(toQString(name));
        if (!widget) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

void FormWindow::syncControls(const FormObjects& objects) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const CommandButton& button = objects.buttons[i];
        place(buttons_[i], button, zoom());
        buttons_[i]->setEnabled(button.enabled);
        if (shownCaptions_[i] == button.caption) continue;
        shownCaptions_[i] = button.caption;
        buttons_[i]->setText(QString::fromStdString(button.caption));
    }
    for (std::size_t i = 0; i < textBoxes_.size(); ++i) {
        const TextBox& box = objects.textBoxes[i];
        place(textBoxes_[i], box, zoom());
        if (shownTexts_[i] == box.text) continue;
        shownTexts_[i] = box.text;
        // What the player has just typed is already there; setting it again
        // would move the cursor.
        const QString text = QString::fromStdString(box.text);
        if (textBoxes_[i]->text() != text) textBoxes_[i]->setText(text);
    }
    for (std::size_t i = 0; i < scrollBars_.size(); ++i) {
        const HScrollBar& bar = objects.scrollBars[i];
        place(scrollBars_[i], bar, zoom());
        if (scrollBars_[i]->value() == bar.value && scrollBars_[i]->minimum() == bar.minimum &&
            scrollBars_[i]->maximum() == bar.maximum)
            continue;
        const QSignalBlocker quiet(scrollBars_[i]);
        scrollBars_[i]->setRange(bar.minimum, bar.maximum);
        scrollBars_[i]->setValue(bar.value);
    }
}

void FormWindow::syncFromGame() {
    const FormObjects* objects = game_.loaded(form_);
    if (!objects) return;
    syncControls(*objects);
    client_->syncScene(*objects);
}

void FormWindow::focusFirstControl() {
    for (std::string_view name : layout_.focusOrder) {
        QWidget* widget = client_->findChild<QWidget*>(toQString(name));
        if (widget && widget->isVisible() && widget->isEnabled()) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    client_->setFocus(Qt::OtherFocusReason);
}

QPixmap FormWindow::grabClientArea() {
    syncFromGame();
    return client_->grabScene();
}

QPushButton* FormWindow::button(std::string_view name) const { return named(buttons_, name); }
QLineEdit* FormWindow::textBox(std::string_view name) const { return named(textBoxes_, name); }
QScrollBar* FormWindow::scrollBar(std::string_view name) const {
    return named(scrollBars_, name);
}

// The close box belongs to the game: it unloads the form, or ends the
// program, or does nothing while another window is modal. The window set
// then follows the game.
void FormWindow::closeEvent(QCloseEvent* event) {
    if (!input_) {
        event->accept();
        return;
    }
    event->ignore();
    input_->closeBox(form_);
}

}  // namespace tt
