#include "shell/qt/picture_library.h"

#include <QFile>
#include <QTextStream>

// The pictures live in a static library; naming their resource here keeps
// the linker from dropping it.
static void embedPictures() { Q_INIT_RESOURCE(pictures); }

namespace tt {
namespace {

// Each file is decoded once; every name that shows it shares its pixels.
std::shared_ptr<const std::vector<std::uint32_t>> decode(const QString& path, int& width,
                                                          int& height) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return nullptr;
    width = image.width();
    height = image.height();
    auto pixels = std::make_shared<std::vector<std::uint32_t>>();
    pixels->reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        pixels->insert(pixels->end(), line, line + width);
    }
    return pixels;
}

}  // namespace

const EmbeddedPictures& EmbeddedPictures::instance() {
    static const EmbeddedPictures pictures;
    return pictures;
}

EmbeddedPictures::EmbeddedPictures() {
    embedPictures();
    QFile manifest(QStringLiteral(":/pictures/pictures.txt"));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        problems_.push_back("the picture list is missing from the program");
        return;
    }
    struct Decoded {
        std::shared_ptr<const std::vector<std::uint32_t>> pixels;
        int width = 0;
        int height = 0;
    };
    std::map<QString, Decoded> files;
    QTextStream lines(&manifest);
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        if (words.size() != 2) {
            problems_.push_back("bad line in the picture list: " + line.toStdString());
            continue;
        }
        auto [file, fresh] = files.try_emplace(words[1]);
        if (fresh)
            file->second.pixels =
                decode(":/pictures/" + words[1], file->second.width, file->second.height);
        if (!file->second.pixels) {
            problems_.push_back("cannot decode " + words[1].toStdString());
            continue;
        }
        const std::string name = words[0].toStdString();
        pictures_[name] = Picture{name, file->second.width, file->second.height, file->second.pixels};
    }
}

const Picture* EmbeddedPictures::find(std::string_view name) const {
    const auto found = pictures_.find(name);
    return found == pictures_.end() ? nullptr : &found->second;
}

QImage EmbeddedPictures::toImage(const Picture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels->data()), picture.width,
                  picture.height, picture.width * 4, QImage::Format_ARGB32);
}

}  // namespace tt
