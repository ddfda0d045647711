#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tt {

// A bitmap as the game sees it: immutable once loaded, shared by every image
// that shows it, and known by the name it was loaded under.
struct Picture {
    std::string name;
    int width = 0;
    int height = 0;
    // 0xAARRGGBB, alpha 0 where the picture is transparent. Pictures that are
    // the same bitmap under two names share one pixel buffer.
    std::shared_ptr<const std::vector<std::uint32_t>> pixels;
};

// Where the scene finds pictures by name.
class PictureLibrary {
public:
    virtual ~PictureLibrary() = default;
    virtual const Picture* find(std::string_view name) const = 0;
};

// A library with no pictures: every image keeps its layout size and draws
// nothing. Useful where only the rules matter.
class NoPictures final : public PictureLibrary {
public:
    const Picture* find(std::string_view) const override { return nullptr; }
};

}  // namespace tt
