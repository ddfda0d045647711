#pragma once

// An opt-in record of how the windows keep time, for the window benchmark:
// with TT_MEASURE=FILE in the environment, every clock tick's real time and
// every scene paint's duration are kept in memory and written to FILE when
// the program ends. Without it nothing is recorded.

#include <QElapsedTimer>

#include <cstdint>
#include <string>
#include <vector>

#include "shell/layout.h"

namespace tt {

class Measurement {
public:
    // The program's record, or nullptr when measuring is off.
    static Measurement* active();

    void clockTick(std::int64_t micros) { ticks_.push_back(micros); }
    void paint(FormId form, std::int64_t nanos) { paints_.push_back({form, nanos}); }
    // Writes the record: "tick MICROS" and "paint FORM NANOS" lines.
    void write() const;

private:
    explicit Measurement(std::string file);

    struct Paint {
        FormId form;
        std::int64_t nanos;
    };
    std::string file_;
    std::vector<std::int64_t> ticks_;
    std::vector<Paint> paints_;
};

}  // namespace tt
