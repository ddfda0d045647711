#pragma once

// The screenshot key: what the play field shows, saved as a PNG named after
// the moment in the player's pictures folder.

#include <QDateTime>
#include <QImage>
#include <QString>

namespace tt {

// The player's pictures folder, or the home folder where the desktop has
// none.
QString picturesFolder();

struct SavedPicture {
    QString path;   // where it went, on success
    QString error;  // why not, otherwise
};

// Saves `picture` in `folder` (made if missing) as
// turnip-trek-YYYY-MM-DD_HH-MM-SS.png, numbered -2, -3, ... when a picture
// of that second is already there.
SavedPicture saveScreenshot(const QImage& picture, const QString& folder, const QDateTime& when);

}  // namespace tt
