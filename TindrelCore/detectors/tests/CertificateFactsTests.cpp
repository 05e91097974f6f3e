// Facts read from real certificates, compared with what openssl printed for the same files
// (recorded once by tests/data/x509/record.sh).
#include "TindrelCore/detectors/PEMDetector.h"
#include "TindrelCore/tests/SourceFiles.h"
#include "TindrelCore/text/Clock.h"
#include "TindrelCore/text/DateText.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace tindrel;

namespace {

struct Recorded {
    std::string file, derBytes, subjectCN, issuerCN, notBefore, notAfter, sanDNS;
};

std::vector<Recorded> recorded(std::string_view table) {
    std::vector<Recorded> rows;
    std::istringstream lines{std::string(table)};
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream columns(line);
        for (std::string field; std::getline(columns, field, '\t');)
            fields.push_back(field);
        fields.resize(7);
        rows.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]});
    }
    return rows;
}

std::optional<std::string> detail(const DecodeResult& step, const std::string& key) {
    auto it = step.details.find(key);
    if (it == step.details.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> presentWhenNotEmpty(const std::string& value) {
    if (value.empty()) return std::nullopt;
    return value;
}

// 2030-01-01T00:00:00Z: some recorded certificates have expired by then, others have not.
constexpr double pinnedNow = 1893456000;

void expectMatches(const Recorded& row, const DecodeResult& step) {
    EXPECT_EQ(step.summary.rfind("X.509 certificate (CN=", 0), 0u) << row.file << ": " << step.summary;
    EXPECT_EQ(detail(step, "der_bytes"), row.derBytes) << row.file;
    EXPECT_EQ(detail(step, "subject_cn"), presentWhenNotEmpty(row.subjectCN)) << row.file;
    EXPECT_EQ(detail(step, "issuer_cn"), presentWhenNotEmpty(row.issuerCN)) << row.file;
    EXPECT_EQ(detail(step, "not_before"), row.notBefore) << row.file;
    EXPECT_EQ(detail(step, "not_after"), row.notAfter) << row.file;
    EXPECT_EQ(detail(step, "san_dns"), presentWhenNotEmpty(row.sanDNS)) << row.file;
    const bool expired = row.notAfter < DateText::iso8601(pinnedNow);
    EXPECT_EQ(detail(step, "expired"), expired ? "true" : "false") << row.file;
}

} // namespace

TEST(CertificateFacts, MatchOpenSSLForTheRecordedCertificates) {
    Clock::Pinned now(pinnedNow);
    std::optional<std::string> table = fixtures::testData("x509/facts.tsv");
    ASSERT_TRUE(table);
    std::vector<Recorded> rows = recorded(*table);
    ASSERT_GE(rows.size(), 8u);
    for (const Recorded& row : rows) {
        std::optional<std::string> pem = fixtures::testData("x509/" + row.file);
        ASSERT_TRUE(pem) << row.file;
        std::optional<DecodeResult> step = PEMDetector().decode(*pem);
        ASSERT_TRUE(step) << row.file;
        expectMatches(row, *step);
    }
}

TEST(CertificateFacts, MatchOpenSSLForEveryInstalledMozillaCertificate) {
    const std::filesystem::path directory = "/usr/share/ca-certificates/mozilla";
    if (!std::filesystem::is_directory(directory)) GTEST_SKIP() << directory << " is not installed";
    Clock::Pinned now(pinnedNow);
    std::optional<std::string> table = fixtures::testData("x509/mozilla.tsv");
    ASSERT_TRUE(table);
    std::size_t compared = 0;
    for (const Recorded& row : recorded(*table)) {
        std::optional<std::string> pem = fixtures::readFile((directory / row.file).string());
        if (!pem) continue;
        std::optional<DecodeResult> step = PEMDetector().decode(*pem);
        ASSERT_TRUE(step) << row.file;
        // A file renewed under the same name since the recording is another certificate.
        if (detail(*step, "der_bytes") != row.derBytes) continue;
        expectMatches(row, *step);
        ++compared;
    }
    EXPECT_GE(compared, 100u);
}
