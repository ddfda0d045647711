#include "shell/qt/zoomed_copy.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace tt {
namespace {

bool isPlain32Bit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// A painter's transform that only shifts by whole device pixels.
bool isWholePixelShift(const QTransform& transform) {
    constexpr qreal kTolerance = 1e-6;
    const auto near = [](qreal a, qreal b) { return std::abs(a - b) < kTolerance; };
    return near(transform.m11(), 1) && near(transform.m22(), 1) && near(transform.m12(), 0) &&
           near(transform.m21(), 0) && near(transform.m13(), 0) && near(transform.m23(), 0) &&
           near(transform.m33(), 1) && near(transform.dx(), std::round(transform.dx())) &&
           near(transform.dy(), std::round(transform.dy()));
}

// Whole blocks of one device row, each game pixel `Scale` device pixels
// wide. With the width known to the compiler each block is a few plain
// stores, where a width known only when running costs a loop a block: four
// times as long at the usual zooms.
template <int Scale>
void spreadWholeBlocks(const std::uint32_t* pixels, int blocks, std::uint32_t* out) {
    for (int block = 0; block < blocks; ++block, out += Scale) std::fill_n(out, Scale, pixels[block]);
}

using BlockSpreader = void (*)(const std::uint32_t*, int, std::uint32_t*);
// Every zoom a window takes, and fullscreen on screens up to 4K.
constexpr int kFixedWidths = 16;
constexpr auto kBlockSpreaders = []<std::size_t... Widths>(std::index_sequence<Widths...>) {
    return std::array<BlockSpreader, sizeof...(Widths)>{
        &spreadWholeBlocks<static_cast<int>(Widths) + 1>...};
}(std::make_index_sequence<kFixedWidths>{});

void spreadWholeBlocks(const std::uint32_t* pixels, int blocks, int scale, std::uint32_t* out) {
    if (scale <= kFixedWidths) {
        kBlockSpreaders[static_cast<std::size_t>(scale - 1)](pixels, blocks, out);
        return;
    }
    for (int block = 0; block < blocks; ++block, out += scale) std::fill_n(out, scale, pixels[block]);
}

// One device row of the scene, from device column `left` to before `right`:
// each game pixel spread across its block. Only the blocks at the two ends
// may be cut short.
void spreadRow(const std::uint32_t* gameRow, int scale, int left, int right, std::uint32_t* out) {
    if (scale == 1) {
        std::memcpy(out, gameRow + left, static_cast<std::size_t>(right - left) * sizeof *out);
        return;
    }
    const std::uint32_t* pixel = gameRow + left / scale;
    int x = left;
    if (const int cut = x % scale; cut != 0) {
        const int blockEnd = std::min(right, x - cut + scale);
        out = std::fill_n(out, blockEnd - x, *pixel++);
        x = blockEnd;
    }
    const int blocks = (right - x) / scale;
    spreadWholeBlocks(pixel, blocks, scale, out);
    pixel += blocks;
    out += static_cast<std::ptrdiff_t>(blocks) * scale;
    x += blocks * scale;
    if (x < right) std::fill_n(out, right - x, *pixel);
}

}  // namespace

DirectTarget directTarget(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return {};
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return {};
    auto* image = static_cast<QImage*>(device);
    if (!isPlain32Bit(image->format())) return {};
    const QTransform transform = painter.deviceTransform();
    if (!isWholePixelShift(transform)) return {};
    const QPoint origin(static_cast<int>(std::round(transform.dx())),
                        static_cast<int>(std::round(transform.dy())));
    const QRegion clip = engine->systemClip();
    const QRegion allowed = clip.isEmpty() ? QRegion(image->rect()) : clip & image->rect();
    return {image, origin, allowed.translated(-origin)};
}

void copyZoomed(const QImage& frame, int scale, QImage& target, QPoint origin, QRect area) {
    Q_ASSERT(isPlain32Bit(frame.format()) && isPlain32Bit(target.format()) && scale >= 1);
    const QRect scene(QPoint(0, 0), frame.size() * scale);
    area &= scene & target.rect().translated(-origin);
    if (area.isEmpty()) return;
    const int width = area.width();
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
    uchar* const bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    const auto deviceRow = [&](int y) {
        return reinterpret_cast<std::uint32_t*>(bits + (origin.y() + y) * stride) +
               (origin.x() + area.left());
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::uint32_t* out = deviceRow(y);
        // The first device row of a game row, or of the area, is spread from
        // the game row; the rest of its block copies the row above.
        if (y == area.top() || y % scale == 0) {
            const auto* gameRow =
                reinterpret_cast<const std::uint32_t*>(frame.constScanLine(y / scale));
            spreadRow(gameRow, scale, area.left(), area.left() + width, out);
        } else {
            std::memcpy(out, deviceRow(y - 1), rowBytes);
        }
    }
}

}  // namespace tt
