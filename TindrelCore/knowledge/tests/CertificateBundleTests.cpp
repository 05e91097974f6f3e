#include "TindrelCore/Tindrel.h"
#include "TindrelCore/knowledge/CertificateBundle.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/Clock.h"

#include <gtest/gtest.h>

using namespace tindrel;

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
