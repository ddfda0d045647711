#include "shell/qt/window_icon.h"

#include <QPixmap>

#include "shell/qt/picture_library.h"

namespace tt {

QIcon formIcon(const Game& game, std::string_view picture) {
    if (picture.empty()) return {};
    const Picture* found = game.picture(picture);
    if (!found || !found->pixels) return {};
    return QIcon(QPixmap::fromImage(EmbeddedPictures::toImage(*found).copy()));
}

}  // namespace tt
