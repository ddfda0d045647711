#include "shell/qt/form_window.h"

#include <QCloseEvent>
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
      zoom_{zoom, screenRatio()},
      input_(input) {
    setObjectName(toQString(layout_.name));
    setWindowTitle(toQString(layout_.caption));
    if (const QIcon icon = formIcon(game, layout_.icon); !icon.isNull()) setWindowIcon(icon);
    client_ = new ClientArea(game, form, zoom_, input, this);
    setCentralWidget(client_);
    buildMenus();
    buildControls();
    // The client area has the layout's size; the window is built around it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

FormWindow::~FormWindow() = default;

QWidget* FormWindow::clientArea() const { return client_; }

void FormWindow::buildMenus() {
    if (layout_.menus.empty()) return;
    // The menus grow with the zoom, as the controls do.
    const QFont font = controlFont({}, zoom_);
    menuBar()->setFont(font);
    for (const MenuSpec& top : layout_.menus) {
        if (!top.parent.empty()) continue;
        QMenu* menu = menuBar()->addMenu(toQString(top.caption));
        menu->setObjectName(toQString(top.name));
        menu->setFont(font);
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
    const FormObjects* objects = game_.loaded(form_);
    const auto indices = kindIndices(layout_.objects);
    for (std::size_t row = 0; row < layout_.objects.size(); ++row) {
        const ObjectSpec& spec = layout_.objects[row];
        const auto index = indices[row];
        switch (spec.kind) {
        case ObjectKind::CommandButton: {
            auto* button = new QPushButton(toQString(spec.content), client_);
            button->setObjectName(toQString(spec.name));
            button->setFont(controlFont(spec.font, zoom_));
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
            box->setFont(controlFont({}, zoom_));
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
    if (objects) syncControls(*objects);
}

void FormWindow::syncControls(const FormObjects& objects) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const CommandButton& button = objects.buttons[i];
        place(buttons_[i], button, zoom_);
        buttons_[i]->setEnabled(button.enabled);
        if (shownCaptions_[i] == button.caption) continue;
        shownCaptions_[i] = button.caption;
        buttons_[i]->setText(QString::fromStdString(button.caption));
    }
    for (std::size_t i = 0; i < textBoxes_.size(); ++i) {
        const TextBox& box = objects.textBoxes[i];
        place(textBoxes_[i], box, zoom_);
        if (shownTexts_[i] == box.text) continue;
        shownTexts_[i] = box.text;
        // What the player has just typed is already there; setting it again
        // would move the cursor.
        const QString text = QString::fromStdString(box.text);
        if (textBoxes_[i]->text() != text) textBoxes_[i]->setText(text);
    }
    for (std::size_t i = 0; i < scrollBars_.size(); ++i) {
        const HScrollBar& bar = objects.scrollBars[i];
        place(scrollBars_[i], bar, zoom_);
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
    return client_->grab();
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
