#include "TindrelAppUI/inspector/ResultHandover.h"
#include "TindrelAppUI/views/result/ChainView.h"
#include "TindrelAppUI/views/result/StepCard.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "WidgetTexts.h"

#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::buttonTitled;
using testing_support::visibleLabelTexts;

namespace {

struct CardCase {
    const char* name;
    Details details;
    bool facts;
    bool notes;
};

class StepCardTables : public testing::TestWithParam<CardCase> {};

TEST_P(StepCardTables, ShowEachTableOnlyWithRows) {
    const DecodeResult step{DetectionKind::base64, "out", 0.855, "Decoded Base64.",
                            GetParam().details,    false};
    StepCard card(3, step);
    const QStringList texts = visibleLabelTexts(&card);
    EXPECT_TRUE(texts.contains("3")) << GetParam().name;
    EXPECT_TRUE(texts.contains("base64")) << GetParam().name;
    EXPECT_TRUE(texts.contains("86%")) << GetParam().name;
    EXPECT_TRUE(texts.contains("Decoded Base64.")) << GetParam().name;
    EXPECT_EQ(texts.contains("FACTS"), GetParam().facts) << GetParam().name;
    EXPECT_EQ(texts.contains("WHAT IT MEANS / NEXT STEPS"), GetParam().notes) << GetParam().name;
    for (const auto& [key, value] : GetParam().details) {
        EXPECT_TRUE(texts.contains(QString::fromStdString(key))) << key; // keys as stored, never relabelled
        EXPECT_TRUE(texts.contains(QString::fromStdString(value))) << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Details, StepCardTables,
    testing::Values(
        CardCase{"none", {}, false, false},
        CardCase{"facts only", {{"byte_count", "12"}, {"typ", "JWT"}}, true, false},
        CardCase{"notes only", {{"alg_note", "n"}, {"exp_relative", "r"}, {"checklist", "c"}}, false, true},
        CardCase{"both", {{"key_size", "2048"}, {"security", "weak"}, {"x_meaning", "m"}}, true, true}));

TEST(ChainView, UnrecognisedChainGetsTheNoticeOnly) {
    ChainView view(DecodeChain{"just words", {}});
    EXPECT_EQ(visibleLabelTexts(&view),
              QStringList({QString::fromUtf8("Not recognized \u2014 plain text or unsupported format.")}));
    EXPECT_EQ(buttonTitled(&view, "Copy"), nullptr);
}

TEST(ChainView, RecognisedChainEndsWithTheFinalValueCard) {
    const DecodeChain chain = Tindrel::inspect(Samples::token);
    ChainView view(chain);
    const QStringList texts = visibleLabelTexts(&view);
    EXPECT_TRUE(texts.contains("FINAL VALUE"));
    EXPECT_EQ(texts.count("jwt"), 2); // the path and the first card
    EXPECT_NE(buttonTitled(&view, "Copy"), nullptr);
}

TEST(ResultHandover, MailAddressCarriesTheWholeReportAsBody) {
    const QString report =
        QString::fromUtf8("# JWT \u2014 Expired\n\n- **Algorithm:** HS256 & more = 100%?\n");
    const QUrl url(ResultHandover::mailURL(report));
    EXPECT_EQ(url.scheme(), QString("mailto"));
    EXPECT_TRUE(url.path().isEmpty());
    EXPECT_EQ(QUrlQuery(url).queryItemValue("body", QUrl::FullyDecoded), report);
}

TEST(ResultHandover, SaveDialogOpensInTheLastFolderElseDocumentsElseHome) {
    QTemporaryDir root;
    const QString last = root.filePath("last"), documents = root.filePath("Documents"), home = root.path();
    ASSERT_TRUE(QDir().mkpath(last));
    struct Case {
        QString lastUsed, documents, expected;
    };
    const Case cases[] = {
        {last, documents, last},
        {QString(), documents, home}, // no Documents folder yet
        {root.filePath("gone"), last, last},
        {QString(), QString(), home},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResultHandover::saveFolder(c.lastUsed, c.documents, home), c.expected)
            << c.lastUsed.toStdString();
    ASSERT_TRUE(QDir().mkpath(documents));
    EXPECT_EQ(ResultHandover::saveFolder(QString(), documents, home), documents);
}

} // namespace
