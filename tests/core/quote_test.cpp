// How error messages quote what a script or the command line wrote.

#include <gtest/gtest.h>

#include "app/quote.h"

namespace tt {
namespace {

TEST(Quote, KeepsEveryMessageOnOneShortLine) {
    const std::string sixty(60, 'a');
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"", "''"},
        {"Image9", "'Image9'"},
        {"two\nlines\r\tand\x01\x1f\x7f", "'two\\nlines\\r\\tand\\x01\\x1f\\x7f'"},
        {sixty, "'" + sixty + "'"},
        {sixty + "b", "'" + sixty + "...'"},
        {std::string(10'000'000, 'w'), "'" + std::string(60, 'w') + "...'"},
        // Characters, not bytes, are counted, and none is cut in two.
        {std::string(59, 'a') + "\xc3\xa9\xc3\xa9", "'" + std::string(59, 'a') + "\xc3\xa9...'"},
        {"\xe6\xbc\xa2", "'\xe6\xbc\xa2'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 80));
        EXPECT_EQ(quote(c.text), c.expected);
    }
}

}  // namespace
}  // namespace tt
