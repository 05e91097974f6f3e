#include "TindrelCore/text/TextCase.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(TextCase, MapsEveryScalar) {
    EXPECT_EQ(TextCase::uppercased("abc-1 \u00E9t\u00E9 \u03C9 \u2192"), "ABC-1 \u00C9T\u00C9 \u03A9 \u2192");
    EXPECT_EQ(TextCase::lowercased("Expired \u00C9T\u00C9 HS256"), "expired \u00E9t\u00E9 hs256");
}

TEST(TextCase, CapitalizesEachWord) {
    std::pair<std::string, std::string> cases[] = {
        {"key size", "Key Size"},
        {"KEY SIZE", "Key Size"},
        {"topLevel", "Toplevel"},
        {"  two  spaces ", "  Two  Spaces "},
        {"tab\tand\nline", "Tab\tAnd\nLine"},
        {"\u00E9cole normale", "\u00C9cole Normale"},
        {"\u01C6ungla", "\u01C5ungla"}, // a digraph takes its title-case form, not its upper-case one
        {"3des key", "3des Key"},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(TextCase::capitalized(input), expected) << input;
}
