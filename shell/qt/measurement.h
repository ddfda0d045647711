#pragma once

// An opt-in record of how the windows keep time, for the window benchmark:
// with TT_MEASURE=FILE in the environment, every clock tick's real time and
// every scene paint's duration are kept in memory and written to FILE when
// the program ends. TT_MEASURE_SECONDS=N also ends the program after N
// seconds, so a benchmark can play for a set time, and TT_MEASURE_REPAINT=1
// repaints the play field at every clock tick, as if its whole scene moved
// all the time. Without TT_MEASURE nothing is recorded.

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
    // Whether the time asked for has passed (never, when none was asked).
    bool over(std::int64_t micros) const { return limit_ > 0 && micros >= limit_; }
    bool repaintEveryTick() const { return repaintEveryTick_; }

private:
    explicit Measurement(std::string file);

    struct Paint {
        FormId form;
        std::int64_t nanos;
    };
    std::string file_;
    std::int64_t limit_ = 0;
    bool repaintEveryTick_ = false;
    std::vector<std::int64_t> ticks_;
    std::vector<Paint> paints_;
};

}  // namespace tt
