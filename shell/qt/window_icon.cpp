#include "shell/qt/window_icon.h"

#include <QPixmap>

#include "shell/qt/picture_library.h"

namespace tt {

QIcon formIcon(const Game& game, std::string_view picture) {
    if (picture.empty()) return {};
    const Picture* found = game.picture(picture);
    if (!found || !found->pixels) return {};
    const QImage image = EmbeddedPictures::toImage(*found).copy();
    // Whole pixels at every size the desktop's icons come in, as the
    // installed icons are made, so no size is left to blurry scaling.
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addPixmap(QPixmap::fromImage(
            image.scaled(size, size, Qt::KeepAspectRatio, Qt::FastTransformation)));
    return icon;
}

}  // namespace tt
