#include "shell/qt/field_screenshot.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "shell/qt/whole_file.h"

namespace tt {
namespace {

QString freeName(const QDir& folder, const QDateTime& when) {
    const QString stem =
        QStringLiteral("turnip-trek-") + when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString name = stem + QStringLiteral(".png");
    for (int number = 2; folder.exists(name); ++number)
        name = stem + QStringLiteral("-%1.png").arg(number);
    return folder.filePath(name);
}

}  // namespace

QString picturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

SavedPicture saveScreenshot(const QImage& picture, const QString& folder, const QDateTime& when) {
    if (!QDir().mkpath(folder)) return {{}, QStringLiteral("cannot make the folder ") + folder};
    const QByteArray png = encodePng(picture);
    if (png.isEmpty()) return {{}, QStringLiteral("cannot encode the picture")};
    const QString path = freeName(QDir(folder), when);
    if (const QString problem = writeWhole(path, png); !problem.isEmpty())
        return {{}, QStringLiteral("cannot write %1: %2").arg(path, problem)};
    return {path, {}};
}

}  // namespace tt
