#include "TindrelCore/Tindrel.h"
#include "TindrelCore/knowledge/CertificateBundle.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/tests/BundleFixtures.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Clock.h"

#include <gtest/gtest.h>

using namespace tindrel;
using Explainer::RiskLevel;

namespace {

constexpr double day = 86400;
constexpr double leafNotBefore = 1717200000; // 2024-06-01T00:00:00Z
constexpr double leafNotAfter = 1780272000;  // 2026-06-01T00:00:00Z

} // namespace

TEST(CertificateBundle, ValidityReadsTheDaysLeft) {
    const std::string leaf = fixtures::bundleOf({"leaf.pem"});
    const std::string range = "2024-06-01T00:00:00Z \u2192 2026-06-01T00:00:00Z, ";
    struct Case {
        double now;
        std::string status;
    } cases[] = {
        {leafNotBefore - day, "not yet valid, 731 days left"},
        {leafNotAfter - 1.5 * day, "1 day left"},
        {leafNotAfter - 0.5 * day, "expires today"},
        {leafNotAfter, "expires today"},
        {leafNotAfter + 0.5 * day, "EXPIRED today"},
        {leafNotAfter + 2.5 * day, "EXPIRED 2 days ago"},
    };
    for (const Case& c : cases) {
        Clock::Pinned now(c.now);
        PEMBundle::Bundle bundle = PEMBundle::read(leaf);
        ASSERT_EQ(bundle.blocks.size(), 1u);
        EXPECT_EQ(CertificateBundle::validity(*bundle.blocks[0].certificate), range + c.status) << c.now;
    }
}

// Every certificate of the bundle counts, not only the first that the step describes.
TEST(CertificateBundle, RiskAndNextStepsConsiderEveryCertificate) {
    const std::string renewFirst = "Renew the certificate \u2014 it has expired.";
    struct Case {
        const char* name;
        std::string text;
        double now;
        RiskLevel risk;
        std::vector<std::string> nextSteps;
    } cases[] = {
        {"valid fullchain",
         fixtures::bundleOf({"leaf.pem", "intermediate.pem", "root.pem"}),
         fixtures::bundleNow,
         RiskLevel::info,
         {}},
        {"expired intermediate",
         fixtures::bundleOf({"leaf.pem", "expired-intermediate.pem", "root.pem"}),
         fixtures::bundleNow,
         RiskLevel::warning,
         {"Renew certificate #2 of the bundle (CN=Tindrel Test Intermediate) \u2014 it has expired."}},
        {"issuer name without its signature",
         fixtures::bundleOf({"leaf.pem", "impostor.pem"}),
         fixtures::bundleNow,
         RiskLevel::warning,
         {"Replace certificate #2 of the bundle (CN=Tindrel Test Intermediate) \u2014 it bears the issuer "
          "name of "
          "#1 but did not sign it."}},
        {"certificate after its key",
         fixtures::bundleOf({"leaf.key", "leaf.pem"}),
         leafNotAfter + day,
         RiskLevel::warning,
         {"Renew certificate #2 of the bundle (CN=leaf.tindrel.test) \u2014 it has expired."}},
        {"everything expired",
         fixtures::bundleOf({"leaf.pem", "intermediate.pem", "root.pem"}),
         2.4e9,
         RiskLevel::warning,
         {renewFirst,
          "Renew certificate #2 of the bundle (CN=Tindrel Test Intermediate) \u2014 it and 1 more "
          "certificate have expired."}},
        {"a single expired certificate as before",
         fixtures::bundleOf({"leaf.pem"}),
         leafNotAfter + day,
         RiskLevel::warning,
         {renewFirst}},
        {"bundle inside Base64",
         Bytes::base64Encode(fixtures::bundleOf({"leaf.pem", "expired-intermediate.pem"})),
         fixtures::bundleNow,
         RiskLevel::warning,
         {"Renew certificate #2 of the bundle (CN=Tindrel Test Intermediate) \u2014 it has expired."}},
    };
    for (const Case& c : cases) {
        Clock::Pinned now(c.now);
        DecodeChain chain = Tindrel::inspect(c.text);
        ASSERT_EQ(chain.kinds().back(), DetectionKind::pem) << c.name;
        EXPECT_EQ(Explainer::riskLevel(chain), c.risk) << c.name;
        EXPECT_EQ(Explainer::nextSteps(chain), c.nextSteps) << c.name;
    }
}

TEST(CertificateBundle, ABundleOfTwoHundredKilobytesReachesThePEMStep) {
    const std::string pair = fixtures::bundleOf({"intermediate.pem", "root.pem"});
    ASSERT_FALSE(pair.empty());
    std::string text;
    while (text.size() < 200 * 1024)
        text += pair;
    DecodeChain chain = Tindrel::inspect(text);
    ASSERT_EQ(chain.shapeText(), "pem");
    std::optional<PEMBundle::Bundle> bundle = CertificateBundle::ofStep(chain, 0);
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->blocks.size(), 2 * (text.size() / pair.size()));
    EXPECT_EQ(bundle->links.size(), bundle->blocks.size() - 1);
    EXPECT_FALSE(CertificateBundle::ofStep(Tindrel::inspect(fixtures::bundleOf({"root.pem"})), 0));
}
