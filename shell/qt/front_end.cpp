#include "shell/qt/front_end.h"

namespace tt {

int runWindows(Game&, int) { return 0; }

std::string screenshotForm(const Game&, FormId, const std::string&, int) {
    return "screenshots are not available yet";
}

}  // namespace tt
