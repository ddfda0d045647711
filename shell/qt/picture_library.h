#pragma once

// The game's pictures, embedded in the program and decoded once at start-up.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QImage>

#include "shell/picture.h"

namespace tt {

class EmbeddedPictures final : public PictureLibrary {
public:
    // The pictures of this program, decoded on first use.
    static const EmbeddedPictures& instance();

    const Picture* find(std::string_view name) const override;
    const std::map<std::string, Picture, std::less<>>& all() const { return pictures_; }
    // What went wrong while loading; empty when every picture loaded.
    const std::vector<std::string>& problems() const { return problems_; }
    // The picture as a QImage for drawing; it shares the picture's pixels.
    static QImage toImage(const Picture& picture);

private:
    EmbeddedPictures();

    std::map<std::string, Picture, std::less<>> pictures_;
    std::vector<std::string> problems_;
};

}  // namespace tt
