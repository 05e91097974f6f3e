#include "TindrelCore/detectors/HashDetector.h"
#include "TindrelCore/knowledge/Explainer.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

// The verdict keys must carry the note (and next step, when there is one) the explainer gives.
void expectVerdict(const Details& details, const Explainer::Note& note, const std::string& input) {
    EXPECT_EQ(details.at("security"), note.note) << input;
    if (note.nextStep)
        EXPECT_EQ(details.at("recommendation"), *note.nextStep) << input;
    else
        EXPECT_FALSE(details.contains("recommendation")) << input;
}

} // namespace

TEST(HashDetector, RecognisesRealCryptHashes) {
    struct Case {
        std::string input, summary;
        Details facts; // every key but security and recommendation
    } cases[] = {
        // htpasswd -bnBC 12 / -bnBC 5, mkpasswd -m bcrypt-a
        {"$2y$12$OPhhtMtaNQNWYDByjd/Aeuh.moH/h.Gx5nVV4BF/3RaEFzBxlg8cC",
         "bcrypt password hash (cost 12)",
         {{"scheme", "2y"}, {"cost", "12"}, {"algorithm", "bcrypt"}}},
        {"$2y$05$3UFSdD82WQFnJUnGafmE9uIBlworhIQq0ejJCmuyEfLfC.126V0WK",
         "bcrypt password hash (cost 05)",
         {{"scheme", "2y"}, {"cost", "05"}, {"algorithm", "bcrypt"}}},
        {"$2a$10$WFsQC0Cvpe1eyt3P9w8U/./DWl0hVKK0epw6nasqKWIMHkFRarQ8i",
         "bcrypt password hash (cost 10)",
         {{"scheme", "2a"}, {"cost", "10"}, {"algorithm", "bcrypt"}}},
        // openssl passwd -6 / -5 / -1
        {"$6$Zq2mYH4k$sQkukAwyE2jQYtUC/HurLqKM02Hc4vMpK3nitxFQSJ.dvVgOokT0MMhaMzxMF13BiW5AoDreMWFb0j.JXPMJ4.",
         "sha512crypt password hash",
         {{"scheme", "6"}, {"algorithm", "sha512crypt"}}},
        {"$5$saltsalt$OIdfjX.u4Y3SJ4I2bX8w5BMf1VAUhHABNUirScDzZi3",
         "sha256crypt password hash",
         {{"scheme", "5"}, {"algorithm", "sha256crypt"}}},
        {"$1$saltsalt$ZliGyAN3DciDHEkDboonh/",
         "md5crypt password hash",
         {{"scheme", "1"}, {"algorithm", "md5crypt"}}},
        // the argon2 command-line tool
        {"$argon2id$v=19$m=65536,t=3,p=4$c29tZXNhbHR2YWx1ZQ$NhjVRuPkE8LULokiXwyEpigOkgIV5y5+MpAM96zb7o0",
         "argon2id password hash",
         {{"scheme", "argon2id"},
          {"v", "19"},
          {"m", "65536"},
          {"t", "3"},
          {"p", "4"},
          {"algorithm", "argon2id"}}},
        {"$argon2i$v=19$m=4096,t=2,p=1$c29tZXNhbHR2YWx1ZQ$qlEKNu3VS7+gq8qysAXvWaZwHGNjIH/dhd2uX4JHgOY",
         "argon2i password hash",
         {{"scheme", "argon2i"},
          {"v", "19"},
          {"m", "4096"},
          {"t", "2"},
          {"p", "1"},
          {"algorithm", "argon2i"}}},
        // mkpasswd -m yescrypt / -m scrypt, passlib pbkdf2
        {"$y$j9T$of7Zc2h4kmh8DeJFM3oLY1$GuC4XwX9ezNEXI9JBpGPNGRZKlIMnCYgpQzpiRbg361",
         "yescrypt password hash",
         {{"scheme", "y"}, {"algorithm", "yescrypt"}}},
        {"$7$CU..../....Db95CqwbgT.F4XVUGURfr0$.tQQSUsFJxy6.N5pU6QFX2rII5tz69KvrXSBGIX0XrA",
         "scrypt password hash",
         {{"scheme", "7"}, {"algorithm", "scrypt"}}},
        {"$pbkdf2-sha256$29000$cmFuZG9tc2FsdGJ5dGVzIQ$iK3AQo19OGHW0GDg5wvf1EIjkfi190q5wn.s6cQSN9o",
         "PBKDF2 password hash (pbkdf2-sha256)",
         {{"scheme", "pbkdf2-sha256"}, {"prf", "pbkdf2-sha256"}, {"algorithm", "pbkdf2"}}},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = HashDetector().decode(" \t" + c.input + "\n\u00A0");
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->output, c.input);
        EXPECT_EQ(result->summary, c.summary);
        EXPECT_EQ(result->confidence, 0.93);
        EXPECT_TRUE(result->terminal);
        EXPECT_EQ(result->kind, DetectionKind::hash);
        Details facts = result->details;
        facts.erase("security");
        facts.erase("recommendation");
        EXPECT_EQ(facts, c.facts) << c.input;
        std::optional<std::string_view> cost;
        if (c.facts.contains("cost")) cost = c.facts.at("cost");
        expectVerdict(result->details, *Explainer::passwordHashNote(c.facts.at("algorithm"), cost), c.input);
    }
}

TEST(HashDetector, UnknownOrTruncatedSchemesAreNotHashes) {
    for (const char* input : {
             "$9$abc$def",
             "$2b",
             "$argon2id",
             "$",
             "$$$",
             "$2B$10$WFsQC0Cvpe1eyt3P9w8U/./DWl0hVKK0epw6nasqKWIMHkFRarQ8i",
             "$Argon2id$v=19$m=65536,t=3,p=4$c2FsdA$aGFzaA",
             "$gy$j9T$IizLqPeI/iHeOOyQI5Q3q.$lKoko5mD8hpvucaiBf.aEIOvuFkJK1DyMgyohb8gBp0",
             "$md5,rounds=81012$BdPLnN8K$$OfpkQL6MBqVkfsqZ0Kjpi/",
             // An NT hash behind "$3$$" is a crypt string with an unknown scheme, never a bare digest.
             "$3$$a9f0dd57e1edab5bb55a9ac0a99c15ec",
             "$PBKDF2$1000$c2FsdA$aGFzaA",
         })
        EXPECT_FALSE(HashDetector().decode(input)) << input;
}

TEST(HashDetector, BcryptCostIsTakenAsWritten) {
    struct Case {
        std::string input, cost, summary;
        bool warns;
    } cases[] = {
        {"$2b$04$abc", "04", "bcrypt password hash (cost 04)", true},
        {"$2x$31$abc", "31", "bcrypt password hash (cost 31)", false},
        {"$2b$$abc", "", "bcrypt password hash (cost )", false},
        {"$2b$ab$abc", "ab", "bcrypt password hash (cost ab)", false},
        {"$2b$12", "12", "bcrypt password hash (cost 12)", false},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = HashDetector().decode(c.input);
        ASSERT_TRUE(result) << c.input;
        EXPECT_EQ(result->details.at("cost"), c.cost) << c.input;
        EXPECT_EQ(result->summary, c.summary) << c.input;
        EXPECT_EQ(result->details.contains("recommendation"), c.warns) << c.input;
    }
    EXPECT_EQ(HashDetector().decode("$2b$$abc")->details.at("security"),
              "bcrypt \u2014 a sound, deliberately-slow password hash.");
}

TEST(HashDetector, ArgonParametersComeFromTheText) {
    struct Case {
        std::string params;
        Details expected; // every key besides scheme, algorithm and security
    } cases[] = {
        {"v=19$m=65536,p=4", {{"v", "19"}}}, // no "t=": the piece adds nothing
        {"v=19$t=3,p=4", {{"v", "19"}}},     // no "m="
        {"m=1,t=2,p=3,keyid=abc,data=xyz",
         {{"m", "1"}, {"t", "2"}, {"p", "3"}, {"keyid", "abc"}, {"data", "xyz"}}},
        {",,m=1,,t=2,", {{"m", "1"}, {"t", "2"}}},                    // empty parts are dropped
        {"m=1,t=2,x=a=b,y", {{"m", "1"}, {"t", "2"}}},                // only two-piece parts count
        {"m==5,t=2", {{"m", "5"}, {"t", "2"}}},                       // empty pieces of a part are dropped
        {"v=16$v=19$m=1,t=1", {{"v", "19"}, {"m", "1"}, {"t", "1"}}}, // later writes win
        {"v=$m=1,t=1,v=20", {{"v", "20"}, {"m", "1"}, {"t", "1"}}},
    };
    for (const Case& c : cases) {
        std::string input = "$argon2id$" + c.params + "$c2FsdA$aGFzaA";
        std::optional<DecodeResult> result = HashDetector().decode(input);
        ASSERT_TRUE(result) << input;
        Details rest = result->details;
        for (const char* fixed : {"scheme", "algorithm", "security"})
            rest.erase(fixed);
        EXPECT_EQ(rest, c.expected) << input;
    }
}

TEST(HashDetector, RecognisesRealDigestsByLength) {
    struct Case {
        std::string digest;
        int bits;
        std::string label;
    } cases[] = {
        // md5sum, sha1sum, sha224sum, sha256sum, sha384sum and sha512sum of the same text.
        {"3cb4e732631f47e6eb961f34554b7cde", 128, "MD5 / MD4 / NTLM"},
        {"2f9e53523b62abc141a2b4d6019d23cba835dbd0", 160, "SHA-1 / RIPEMD-160"},
        {"be678ecb0e1e13fd0c1440995f43225ca83aeb66717e8ea790b867f2", 224, "SHA-224 / SHA3-224"},
        {"4104d36f8da2c254349f85836793ebe029e0c957063a34c91c2e9203187b5631", 256,
         "SHA-256 / SHA3-256 / BLAKE2s"},
        {"02b20a6f2ebb1360a9a60f4cf90857363ed419c022b121567ce5f91c6e39664fb78fd60234c4a58b5bfc7145ae983292",
         384, "SHA-384 / SHA3-384"},
        {"56b698defedb5a435b634afe3320bbaf3fdcd920b6c503a446fc7b7a776b298d479d1ba6a8b617808eb0bf579ce9a95d66"
         "8347bcab7149085ac93cb27995197b",
         512, "SHA-512 / SHA3-512 / BLAKE2b"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = HashDetector().decode("  " + c.digest + "\r\n");
        ASSERT_TRUE(result) << c.digest;
        EXPECT_EQ(result->output, c.digest);
        EXPECT_EQ(result->summary, c.label + " digest (" + std::to_string(c.bits) + "-bit)");
        EXPECT_EQ(result->confidence, 0.5);
        EXPECT_TRUE(result->terminal);
        EXPECT_EQ(result->details.at("bits"), std::to_string(c.bits));
        EXPECT_EQ(result->details.at("candidates"), c.label);
        EXPECT_EQ(result->details.at("hex_len"), std::to_string(c.digest.size()));
        EXPECT_EQ(result->details.size(), 5u);
        expectVerdict(result->details, Explainer::digestNote(c.bits), c.digest);
    }
    EXPECT_EQ(
        HashDetector().decode(std::string(32, 'a'))->details.at("security"),
        "MD5 is cryptographically broken (practical collisions) \u2014 unsafe for signatures or passwords.");
}

TEST(HashDetector, OnlyTheTableLengthsArePlainDigests) {
    for (const std::string& input : {
             std::string(33, 'a'),
             std::string(48, 'b'),
             std::string(31, 'c'),
             std::string(256, 'd'),
             std::string(),
             "0x" + std::string(32, 'e'),
             std::string(31, 'f') + "g",
             std::string(16, 'a') + " " + std::string(15, 'a'),
             std::string("3cb4e732631f47e6eb961f34554b7cde  -"),
         })
        EXPECT_FALSE(HashDetector().decode(input)) << input;
}

TEST(HashDetector, HugeInputsStayCorrect) {
    std::string params = "m=1,t=2";
    for (int i = 0; params.size() < 1'000'000; ++i)
        params += ",k" + std::to_string(i) + "=" + std::to_string(i);
    std::optional<DecodeResult> argon = HashDetector().decode("$argon2id$v=19$" + params + "$c2FsdA$aGFzaA");
    ASSERT_TRUE(argon);
    EXPECT_EQ(argon->details.at("k0"), "0");
    EXPECT_EQ(argon->details.at("k1000"), "1000");
    EXPECT_EQ(argon->details.at("m"), "1");

    std::string bcrypt = "$2b$12$" + std::string(1'000'000, 'a');
    std::optional<DecodeResult> long_bcrypt = HashDetector().decode(bcrypt);
    ASSERT_TRUE(long_bcrypt);
    EXPECT_EQ(long_bcrypt->output, bcrypt);

    EXPECT_FALSE(HashDetector().decode(std::string(1'000'000, '$')));
    EXPECT_FALSE(HashDetector().decode(std::string(1'000'000, 'a')));
}
