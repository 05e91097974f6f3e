#include "TindrelCore/Redaction.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/tests/Fixtures.h"

#include <gtest/gtest.h>

using namespace tindrel;
using Redaction::Mode;

namespace {

std::string redactedLog(std::string_view text, Mode mode) {
    std::string out;
    Redaction::redactLog(text, mode, [&out](std::string_view piece) { out += piece; });
    return out;
}

} // namespace

// Whether the text is scanned whole or as a log is, a piece at a time.
TEST(Redaction, MasksEachSecretInPlaceAndKeepsEveryOtherByte) {
    for (const fixtures::Row& row : fixtures::table("redaction.tsv")) {
        EXPECT_EQ(Redaction::redact(row[1], *Redaction::modeNamed(row[0])), row[2]) << row.where;
        EXPECT_EQ(redactedLog(row[1], *Redaction::modeNamed(row[0])), row[2]) << row.where;
    }
}

// A log redacted a piece at a time masks just what its scan reports: a query string of a megabyte,
// which a scan of the log finds a piece at a time, is masked a piece at a time, every byte of it.
TEST(Redaction, LogMasksWhatItsScanReports) {
    std::string pairs;
    while (pairs.size() < (std::size_t{1} << 20))
        pairs += "a=b&";
    const std::string text = "before\n" + pairs + "\nafter\n";
    std::size_t reported = 0;
    ScanStream stream = Tindrel::scanStream([&reported](ScanFinding&&) { ++reported; });
    stream.feed(text, true);
    stream.finish();
    ASSERT_GT(reported, 1u);

    const std::string redacted = redactedLog(text, Mode::all);
    const std::string marker = "<redacted Query string>";
    std::size_t masks = 0;
    for (std::size_t at = redacted.find(marker); at != std::string::npos; at = redacted.find(marker, at + 1))
        ++masks;
    EXPECT_EQ(masks, reported);
    EXPECT_TRUE(redacted.starts_with("before\n<redacted")) << redacted.substr(0, 40);
    EXPECT_TRUE(redacted.ends_with(">&\nafter\n")) << redacted.substr(redacted.size() - 40);
    EXPECT_EQ(redacted.find("a=b"), std::string::npos);
}

TEST(Redaction, ChainToShareHoldsNoSecretButKeepsItsFacts) {
    for (const fixtures::Row& row : fixtures::table("redacted-chains.tsv")) {
        SCOPED_TRACE(row.where);
        DecodeChain original = Tindrel::inspect(row[1]);
        DecodeChain shared = Redaction::redactedChain(original, *Redaction::modeNamed(row[0]));
        ASSERT_EQ(shared.shape(), original.shape());
        EXPECT_EQ(shared.finalValue(), row[2]);
        EXPECT_EQ(shared.steps.front().summary, original.steps.front().summary);
        for (const std::string& secret : std::vector(row.cells.begin() + 3, row.cells.end())) {
            EXPECT_EQ(shared.input.find(secret), std::string::npos) << secret;
            for (const DecodeResult& step : shared.steps) {
                EXPECT_EQ(step.output.find(secret), std::string::npos) << secret;
                for (const auto& [key, value] : step.details)
                    EXPECT_EQ(value.find(secret), std::string::npos) << key << " holds " << secret;
            }
        }
    }
    DecodeChain chain = Tindrel::inspect(Samples::token);
    EXPECT_EQ(Redaction::redactedChain(chain, Mode::secrets).steps.front().details,
              chain.steps.front().details);
    DecodeChain uuid = Tindrel::inspect("3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f");
    EXPECT_EQ(Redaction::redactedChain(uuid, Mode::secrets), uuid);
}

TEST(Redaction, TextAboutAChainLosesTheChainsSecrets) {
    DecodeChain chain = Tindrel::inspect("client_secret=abc123XYZ&code=42&state=s");
    EXPECT_EQ(Redaction::withoutSecretsOf("secret abc123XYZ, code 42, again abc123XYZ.", chain),
              "secret <redacted>, code 42, again <redacted>.");
    const std::string token(Samples::token), tokenInBase64 = Bytes::base64Encode(token);
    EXPECT_EQ(Redaction::withoutSecretsOf("it wraps " + token + " (" + tokenInBase64 + ")",
                                          Tindrel::inspect(tokenInBase64)),
              "it wraps <redacted> (<redacted>)");
}

TEST(Redaction, WholeTextMaskKeepsLinesAndTheWhiteSpaceAroundThem) {
    std::string text = " a b \r\n\n\tc\n";
    EXPECT_EQ(Redaction::applyEdits(text, Redaction::wholeTextEdits(text, "<redacted X>")),
              " <redacted X> \r\n\n\t<redacted>\n");
}
