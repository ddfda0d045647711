#pragma once

// The core tests' pictures: every picture a form's layout names, at the size
// that layout gives it, with no pixels. The rules only read the sizes and
// the names, so the tests need no image decoder; the Qt tests check that the
// program's own pictures have exactly these sizes.

#include <map>
#include <string>
#include <string_view>

#include "shell/form.h"
#include "shell/picture.h"

namespace tt::testing {

class LayoutPictures final : public PictureLibrary {
public:
    static const LayoutPictures& instance() {
        static const LayoutPictures pictures;
        return pictures;
    }

    const Picture* find(std::string_view name) const override {
        const auto found = pictures_.find(name);
        return found == pictures_.end() ? nullptr : &found->second;
    }

    static constexpr int kIconPixels = 32;

private:
    LayoutPictures() {
        for (int i = 0; i < kFormCount; ++i) {
            const FormLayout& layout = formDefinition(static_cast<FormId>(i)).layout;
            if (!layout.icon.empty()) add(layout.icon, kIconPixels, kIconPixels);
            for (const ObjectSpec& spec : layout.objects)
                if (spec.kind == ObjectKind::Image && !spec.content.empty())
                    add(spec.content, pixelsOf(spec.width), pixelsOf(spec.height));
        }
    }

    static int pixelsOf(Twips size) { return static_cast<int>(size) / kTwipsPerPixel; }

    void add(std::string_view name, int width, int height) {
        pictures_.try_emplace(std::string(name), Picture{std::string(name), width, height, {}});
    }

    std::map<std::string, Picture, std::less<>> pictures_;
};

}  // namespace tt::testing
