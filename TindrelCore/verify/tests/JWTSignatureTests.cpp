// Keys and tokens made by the openssl command line (tests/data/make-tokens.sh), so the verifier is
// checked against another implementation.
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/verify/JWTSignature.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::string token(const std::string& name) {
    for (const fixtures::Row& row : fixtures::coreTable("verify/tests/data/tokens.tsv"))
        if (row[0] == name) return row[1];
    ADD_FAILURE() << "no token " << name;
    return {};
}

// A file of verify/tests/data; "secret=" and a secret; or a label, "=" and the bytes of a key file.
VerificationKey keyOf(const std::string& written) {
    std::size_t equals = written.find('=');
    if (written.starts_with("secret="))
        return VerificationKey::fromSecret("SECRET", written.substr(equals + 1));
    if (equals != std::string::npos)
        return VerificationKey::fromFile(written.substr(0, equals), written.substr(equals + 1));
    return VerificationKey::fromFile(written, fixtures::coreFile("verify/tests/data/" + written));
}

std::string withPayload(const std::string& jwt, std::string_view json) {
    return jwt.substr(0, jwt.find('.') + 1) + fixtures::base64URLOf(json) + jwt.substr(jwt.rfind('.'));
}

// The token with one bit of its signature flipped or, `longer`, with a byte after the signature.
std::string withChangedSignature(const std::string& jwt, bool longer) {
    std::size_t last = jwt.rfind('.');
    Bytes::Buffer signature = Bytes::base64URLDecode(jwt.substr(last + 1)).value_or("");
    if (longer)
        signature.push_back('\0');
    else if (!signature.empty())
        signature[signature.size() / 2] ^= 0x10;
    return jwt.substr(0, last + 1) + fixtures::base64URLOf(signature);
}

struct Checked {
    std::string signature, key;
    Explainer::RiskLevel risk;
    bool distrusted; // the first next step says not to trust the token
};

Checked check(std::string_view text, const VerificationKey& key) {
    DecodeChain chain = Tindrel::inspect(text);
    verifyJWTSignatures(chain, key);
    Checked checked{"", "", Explainer::riskLevel(chain), false};
    for (const DecodeResult& step : chain.steps) {
        if (step.kind != DetectionKind::jwt) continue;
        checked.signature = step.details.at("signature");
        checked.key = step.details.at("signature_key");
    }
    std::vector<std::string> next = Explainer::nextSteps(chain);
    checked.distrusted =
        !next.empty() &&
        next[0] == "Do not trust this token \u2014 its signature does not verify with the given key.";
    return checked;
}

} // namespace

TEST(JWTSignature, SignaturesVerifyOnlyWithTheirKeyAndUntampered) {
    for (const fixtures::Row& row : fixtures::coreTable("verify/tests/data/signatures.tsv")) {
        SCOPED_TRACE(row.where);
        VerificationKey key = keyOf(row[1]);
        Checked checked = check(token(row[0]), key);
        EXPECT_EQ(checked.signature, row[2]);
        EXPECT_EQ(checked.key, row[3]);
        EXPECT_EQ(checked.distrusted, row[2] == "invalid");
        EXPECT_EQ(checked.risk,
                  row[2] == "invalid" ? Explainer::RiskLevel::critical : Explainer::RiskLevel::info);
        if (row[2] != "verified") continue;
        for (const std::string& forged :
             {withPayload(token(row[0]), R"({"sub":"admin","name":"Ada","iat":1700000000})"),
              withChangedSignature(token(row[0]), false), withChangedSignature(token(row[0]), true)}) {
            Checked bad = check(forged, key);
            EXPECT_EQ(bad.signature, "invalid") << forged;
            EXPECT_EQ(bad.risk, Explainer::RiskLevel::critical);
            EXPECT_TRUE(bad.distrusted);
        }
    }
}

// Only the token step gains the two facts; every other fact of the chain stays as the engine wrote it.
TEST(JWTSignature, FindsTokensBehindOtherLayers) {
    const std::string jwt = token("ES256");
    for (const std::string& text : {"  " + jwt + "\n", Bytes::base64Encode(jwt)}) {
        DecodeChain chain = Tindrel::inspect(text), checked = chain;
        verifyJWTSignatures(checked, keyOf("ec-p256.pem"));
        ASSERT_EQ(std::ranges::count(chain.kinds(), DetectionKind::jwt), 1) << chain.shapeText();
        for (DecodeResult& step : checked.steps) {
            if (step.kind != DetectionKind::jwt) continue;
            EXPECT_EQ(step.details["signature"], "verified");
            EXPECT_EQ(step.details["signature_key"], "ec-p256.pem");
            step.details.erase("signature");
            step.details.erase("signature_key");
        }
        EXPECT_EQ(checked, chain);
    }
}

TEST(VerificationKey, ReadsKeyFormatsAndNeverTakesPublicKeysAsSecrets) {
    for (const fixtures::Row& row : fixtures::coreTable("verify/tests/data/keys.tsv"))
        EXPECT_EQ(keyOf(row[0]).problem(), row.size() > 1 ? std::optional(row[1]) : std::nullopt)
            << row.where;
}
