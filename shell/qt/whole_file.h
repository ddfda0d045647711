#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tt {

// Writes the whole of `bytes` or nothing: a file is written beside its place
// and renamed there only once complete. A device or a pipe has no file to
// replace and is written in place. Returns why it failed, empty on success.
QString writeWhole(const QString& path, const QByteArray& bytes);

// `picture` encoded as a PNG; empty when it cannot be.
QByteArray encodePng(const QImage& picture);

}  // namespace tt
