#include "shell/qt/measurement.h"

#include <cstdlib>
#include <fstream>

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
