#include "shell/qt/scene_painter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <bit>
#include <cstring>

#include "shell/qt/fonts.h"
#include "shell/qt/picture_library.h"

namespace tt {
namespace {

QColor toColour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

bool hasTransparentPixels(const Picture& picture) {
    for (std::uint32_t pixel : *picture.pixels)
        if ((pixel >> 24) != 0xff) return true;
    return false;
}

class Fingerprint {
public:
    void add(std::uint64_t value) { hash_ = (hash_ ^ value) * 0x100000001b3ULL; }
    void add(float value) { add(static_cast<std::uint64_t>(std::bit_cast<std::uint32_t>(value))); }
    void add(const void* pointer) { add(reinterpret_cast<std::uintptr_t>(pointer)); }
    void add(const std::string& text) {
        add(static_cast<std::uint64_t>(text.size()));
        for (unsigned char c : text) add(static_cast<std::uint64_t>(c));
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

ScenePainter::ScenePainter(const FormLayout& layout)
    : layout_(layout),
      kindIndex_(kindIndices(layout.objects)),
      backColour_(layout.backColour ? toColour(*layout.backColour)
                                    : QGuiApplication::palette().color(QPalette::Window)),
      labelTexts_(static_cast<std::size_t>(
          std::count_if(layout.objects.begin(), layout.objects.end(),
                        [](const ObjectSpec& spec) { return spec.kind == ObjectKind::Label; }))) {}

const QImage& ScenePainter::drawable(const Picture& picture) {
    const void* key = picture.pixels.get();
    auto found = drawables_.find(key);
    if (found != drawables_.end()) return found->second;
    // Opaque pictures are copied as they are; the others skip their
    // transparent pixels by blending with alpha 0.
    const QImage::Format format = hasTransparentPixels(picture)
                                      ? QImage::Format_ARGB32_Premultiplied
                                      : QImage::Format_RGB32;
    QImage converted = EmbeddedPictures::toImage(picture).convertToFormat(format);
    return drawables_.emplace(key, std::move(converted)).first->second;
}

void ScenePainter::drawLabel(QPainter& painter, const Label& label, std::size_t index) {
    if (label.caption.empty() && !label.opaqueBackground) return;
    const QRect box = pixelRect(label.left, label.top, label.width, label.height);
    // Only the part inside the client area is drawn, so a label far larger
    // than its window costs no more than the window.
    const QRect shown = box.intersected(frame_.rect());
    if (shown.isEmpty()) return;
    if (label.opaqueBackground) painter.fillRect(shown, backColour_);
    // Smooth faces are drawn by the window, at its own resolution.
    if (label.caption.empty() || isSmoothFace(label.font)) return;
    // Laying text out is slow next to copying pixels, so a caption is drawn
    // once into a picture of its own and reused until it changes.
    LabelText& text = labelTexts_[index];
    if (text.box != box || text.shown != shown || text.caption != label.caption) {
        text.caption = label.caption;
        text.box = box;
        text.shown = shown;
        text.image = QImage(shown.size(), QImage::Format_ARGB32_Premultiplied);
        text.image.fill(Qt::transparent);
        QPainter writer(&text.image);
        writer.translate(box.topLeft() - shown.topLeft());
        const QFont font = sceneFont(label.font);
        writer.setFont(font);
        writer.setPen(label.colour ? toColour(*label.colour)
                                   : QGuiApplication::palette().color(QPalette::WindowText));
        // A label's caption is shown as it is: words wrap inside the box and
        // what does not fit is cut off.
        const QString caption = QString::fromStdString(label.caption);
        constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRect inside(QPoint(0, 0), box.size());
        writer.drawText(inside, kFlags, caption);
        if (label.font.bold && isBitmapFace(font))
            writer.drawText(inside.translated(1, 0), kFlags, caption);
    }
    painter.drawImage(shown.topLeft(), text.image);
}

// The row from which drawing starts: the topmost opaque picture that covers
// the whole client area hides everything below it, the back colour too.
std::size_t ScenePainter::firstVisibleRow(const FormObjects& objects) {
    const QRect client = frame_.rect();
    std::size_t first = layout_.objects.size();
    for (std::size_t row = 0; row < layout_.objects.size(); ++row) {
        if (layout_.objects[row].kind != ObjectKind::Image) continue;
        const Image& image = objects.images[kindIndex_[row]];
        if (!image.visible || !image.picture()) continue;
        const QImage& pixels = drawable(*image.picture());
        if (pixels.hasAlphaChannel()) continue;
        if (QRect(QPoint(toPixels(image.left), toPixels(image.top)), pixels.size()).contains(client))
            return row;
    }
    return first;
}

void ScenePainter::render(const FormObjects& objects) {
    const std::size_t first = firstVisibleRow(objects);
    if (first == layout_.objects.size()) frame_.fill(backColour_);
    QPainter painter(&frame_);
    const auto specs = layout_.objects;
    for (std::size_t row = std::min(first + 1, specs.size()); row-- > 0;) {
        const std::uint16_t index = kindIndex_[row];
        switch (specs[row].kind) {
        case ObjectKind::Image: {
            const Image& image = objects.images[index];
            if (!image.visible || !image.picture()) break;
            const QImage& pixels = drawable(*image.picture());
            // Opaque pictures are copied; the others blend, which skips
            // their transparent pixels.
            painter.setCompositionMode(pixels.hasAlphaChannel()
                                           ? QPainter::CompositionMode_SourceOver
                                           : QPainter::CompositionMode_Source);
            painter.drawImage(QPoint(toPixels(image.left), toPixels(image.top)), pixels);
            break;
        }
        case ObjectKind::Label: {
            const Label& label = objects.labels[index];
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            if (label.visible) drawLabel(painter, label, index);
            break;
        }
        default: break;  // controls are real widgets on top of the scene
        }
    }
}

namespace {

// The smallest rectangle holding every pixel in which two frames differ.
QRect difference(const QImage& before, const QImage& after) {
    const int width = after.width();
    const auto rowBytes = static_cast<std::size_t>(width) * 4;
    int top = -1;
    int bottom = -1;
    int left = width;
    int right = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto* old = reinterpret_cast<const std::uint32_t*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const std::uint32_t*>(after.constScanLine(y));
        if (std::memcmp(old, now, rowBytes) == 0) continue;
        if (top < 0) top = y;
        bottom = y;
        int x = 0;
        while (old[x] == now[x]) ++x;
        left = std::min(left, x);
        x = width - 1;
        while (old[x] == now[x]) --x;
        right = std::max(right, x);
    }
    if (top < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

QRect ScenePainter::refresh(const FormObjects& objects, bool everything) {
    const QSize size(toPixels(layout_.clientWidth), toPixels(layout_.clientHeight));
    const bool first = frame_.isNull();
    std::swap(frame_, previous_);
    // The format of the windows' backing store, so that the zoom into it is
    // a plain scaled copy, with no conversion of every pixel; the frame
    // itself is always opaque.
    if (frame_.size() != size) frame_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    render(objects);
    const QRect smooth = smoothLabels_.changes(objects, frame_.rect());
    if (first || everything || previous_.size() != size) return frame_.rect();
    return difference(previous_, frame_) | smooth;
}

std::uint64_t ScenePainter::fingerprint(const FormLayout& layout, const FormObjects& objects) {
    Fingerprint print;
    for (const Image& image : objects.images) {
        print.add(static_cast<std::uint64_t>(image.visible));
        if (!image.visible) continue;
        print.add(image.left);
        print.add(image.top);
        print.add(image.picture() ? image.picture()->pixels.get() : nullptr);
    }
    for (const Label& label : objects.labels) {
        print.add(static_cast<std::uint64_t>(label.visible));
        if (!label.visible) continue;
        print.add(label.left);
        print.add(label.top);
        print.add(label.width);
        print.add(label.height);
        print.add(label.caption);
        print.add(static_cast<std::uint64_t>(label.colour.has_value()));
        if (label.colour)
            print.add(static_cast<std::uint64_t>(label.colour->red << 16 |
                                                 label.colour->green << 8 | label.colour->blue));
        print.add(static_cast<std::uint64_t>(label.opaqueBackground));
    }
    print.add(static_cast<std::uint64_t>(layout.objects.size()));
    return print.value();
}

}  // namespace tt
