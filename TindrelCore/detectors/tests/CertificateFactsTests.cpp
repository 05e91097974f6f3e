// Facts read from real certificates, compared with what openssl printed for the same files
// (recorded once by tests/data/x509/record.sh): file, DER bytes, subject CN, issuer CN, notBefore,
// notAfter, DNS names.
#include "TindrelCore/detectors/PEMDetector.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelCore/text/DateText.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

// 2030-01-01T00:00:00Z: some recorded certificates have expired by then, others have not.
constexpr double pinnedNow = 1893456000;

std::optional<std::string> detail(const DecodeResult& step, const std::string& key) {
    auto it = step.details.find(key);
    return it == step.details.end() ? std::nullopt : std::optional(it->second);
}

std::optional<std::string> unlessEmpty(const std::string& value) {
    return value.empty() ? std::nullopt : std::optional(value);
}

void expectMatches(const fixtures::Row& row, const DecodeResult& step) {
    EXPECT_EQ(step.summary.rfind("X.509 certificate (CN=", 0), 0u) << row.where << ": " << step.summary;
    constexpr const char* keys[] = {"subject_cn", "issuer_cn", "not_before", "not_after", "san_dns"};
    for (std::size_t i = 0; i < std::size(keys); ++i)
        EXPECT_EQ(detail(step, keys[i]), unlessEmpty(row[i + 2])) << row.where << " " << keys[i];
    EXPECT_EQ(detail(step, "expired"), row[5] < DateText::iso8601(pinnedNow) ? "true" : "false") << row.where;
}

} // namespace

TEST(CertificateFacts, MatchOpenSSLForTheRecordedCertificates) {
    Clock::Pinned now(pinnedNow);
    std::vector<fixtures::Row> rows = fixtures::table("x509/facts.tsv");
    ASSERT_GE(rows.size(), 8u);
    for (const fixtures::Row& row : rows) {
        std::optional<DecodeResult> step = PEMDetector().decode(fixtures::testData("x509/" + row[0]));
        ASSERT_TRUE(step) << row.where;
        EXPECT_EQ(detail(*step, "der_bytes"), row[1]) << row.where;
        expectMatches(row, *step);
    }
}

TEST(CertificateFacts, MatchOpenSSLForEveryInstalledMozillaCertificate) {
    const std::filesystem::path directory = "/usr/share/ca-certificates/mozilla";
    if (!std::filesystem::is_directory(directory)) GTEST_SKIP() << directory << " is not installed";
    Clock::Pinned now(pinnedNow);
    std::size_t compared = 0;
    for (const fixtures::Row& row : fixtures::table("x509/mozilla.tsv")) {
        std::optional<std::string> pem = fixtures::readFile((directory / row[0]).string());
        if (!pem) continue;
        std::optional<DecodeResult> step = PEMDetector().decode(*pem);
        ASSERT_TRUE(step) << row.where;
        // A file renewed under the same name since the recording is another certificate.
        if (detail(*step, "der_bytes") != row[1]) continue;
        expectMatches(row, *step);
        ++compared;
    }
    EXPECT_GE(compared, 100u);
}
