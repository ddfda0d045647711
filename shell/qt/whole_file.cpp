#include "shell/qt/whole_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace tt {

QString writeWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            device.write(bytes) != bytes.size())
            return device.errorString();
        return {};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

QByteArray encodePng(const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return {};
    return png;
}

}  // namespace tt
