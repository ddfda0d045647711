#include "shell/qt/measurement.h"

#include <cstdlib>
#include <fstream>
#include <string_view>

#include "shell/form.h"

namespace tt {

Measurement* Measurement::active() {
    static Measurement* const record = []() -> Measurement* {
        const char* file = std::getenv("TT_MEASURE");
        if (!file || !*file) return nullptr;
        static Measurement measurement{file};
        return &measurement;
    }();
    return record;
}

Measurement::Measurement(std::string file) : file_(std::move(file)) {
    if (const char* seconds = std::getenv("TT_MEASURE_SECONDS"))
        limit_ = std::strtoll(seconds, nullptr, 10) * 1'000'000;
    const char* repaint = std::getenv("TT_MEASURE_REPAINT");
    repaintEveryTick_ = repaint && std::string_view(repaint) == "1";
    // Enough for several minutes, so recording allocates nothing while playing.
    ticks_.reserve(1 << 16);
    paints_.reserve(1 << 17);
}

void Measurement::write() const {
    std::ofstream out(file_);
    for (std::int64_t tick : ticks_) out << "tick " << tick << '\n';
    for (const Paint& paint : paints_)
        out << "paint " << formDefinition(paint.form).layout.name << ' ' << paint.nanos << '\n';
}

}  // namespace tt
