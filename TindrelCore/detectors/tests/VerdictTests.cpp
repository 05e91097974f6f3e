#include "TindrelCore/engine/ChainEngine.h"
#include "TindrelCore/text/Text.h"

#include <gtest/gtest.h>

using namespace tindrel;

// A detector that tells its verdict without decoding tells what decoding would: an answer at least
// that confident that is terminal or changes the text.
TEST(DetectorVerdict, EveryVerdictToldMatchesTheDecodedAnswer) {
    const std::vector<std::string> texts = {"1700000000",
                                            "1700000000000",
                                            " 1700000000\n",
                                            "1000000000",
                                            "999999999",
                                            "0999999999",
                                            "4102444800",
                                            "4102444801",
                                            "4102444800000",
                                            "4102444800001",
                                            "999999999999",
                                            "1000000000000",
                                            "17000000001",
                                            "170000000000",
                                            "1700000000.5",
                                            "-1700000000",
                                            "+1700000000",
                                            "1700 000000",
                                            "\u0661700000000",
                                            "\uff11700000000",
                                            "",
                                            "   ",
                                            "abc",
                                            "0x1700000000",
                                            "1700000000\u00a0",
                                            "deadbeefdeadbeef",
                                            "eyJhbGciOiJIUzI1NiJ9",
                                            "{\"a\":1}"};
    for (const auto& detector : defaultDetectors())
        for (const std::string& text : texts)
            for (double threshold : {0.0, 0.5, 0.75, 0.7500001, 1.0}) {
                std::optional<bool> told = detector->answersConfidently(text, threshold);
                if (!told) continue;
                std::optional<DecodeResult> result = detector->decode(text);
                bool decoded = result && result->confidence >= threshold &&
                               (result->terminal || result->output != Text::trim(text));
                EXPECT_EQ(*told, decoded)
                    << detection_kind::rawValue(detector->kind()) << " \"" << text << "\" at " << threshold;
            }
}
