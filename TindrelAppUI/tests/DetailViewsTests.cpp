#include "TindrelAppUI/inspector/ResultHandover.h"
#include "TindrelAppUI/views/result/ChainView.h"
#include "TindrelAppUI/views/result/DecodedPane.h"
#include "TindrelAppUI/views/result/StepCard.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "WidgetTexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
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

TEST(ChainView, OtherReadingsAreLinksThatAskForTheirStepAndKind) {
    DecodeResult first{DetectionKind::base64, "3031", 0.7, "Base64", {}, false};
    DecodeResult second{DetectionKind::hex, "01", 0.6, "Hex", {}, false};
    second.alternatives = {{DetectionKind::hash, 0.5, "MD5 digest"},
                           {DetectionKind::unixTimestamp, 0.456, "Time"}};
    ChainView view(DecodeChain{"MzAzMQ==", {first, second}});
    std::vector<std::pair<int, DetectionKind>> chosen;
    QObject::connect(&view, &ChainView::readingChosen,
                     [&chosen](int step, DetectionKind kind) { chosen.emplace_back(step, kind); });
    EXPECT_EQ(visibleLabelTexts(&view).count("Also possible:"), 1); // the first step has none
    ASSERT_NE(buttonTitled(&view, "Hash (50%)"), nullptr);
    ASSERT_NE(buttonTitled(&view, "Timestamp (46%)"), nullptr);
    buttonTitled(&view, "Timestamp (46%)")->click();
    buttonTitled(&view, "Hash (50%)")->click();
    EXPECT_EQ(chosen, (std::vector<std::pair<int, DetectionKind>>{{1, DetectionKind::unixTimestamp},
                                                                  {1, DetectionKind::hash}}));
}

TEST(DecodedPane, TechnicalDetailsStayOpenOnlyForTheSameInput) {
    DecodedPane pane;
    const std::string hexText = "30313233343536373839616263646566";
    pane.setChain(Tindrel::inspect(hexText));
    buttonTitled(&pane, "Technical details")->click();
    pane.setChain(Tindrel::reread(Tindrel::inspect(hexText), 0, DetectionKind::hash).chain);
    EXPECT_TRUE(buttonTitled(&pane, "Technical details")->isChecked());
    pane.setChain(Tindrel::inspect(Samples::token));
    EXPECT_FALSE(buttonTitled(&pane, "Technical details")->isChecked());
}

// The test certificates of the core, made once with openssl.
std::string bundleOf(std::initializer_list<const char*> files) {
    std::string text;
    for (const char* file : files) {
        QFile pem(qEnvironmentVariable("TINDREL_SOURCE_DIR") + "/TindrelCore/tests/data/x509/bundle/" + file);
        if (pem.open(QIODevice::ReadOnly)) text += pem.readAll().toStdString();
    }
    return text;
}

bool anyTooltipContains(const QWidget* root, const QString& text) {
    for (const QWidget* widget : root->findChildren<QWidget*>())
        if (widget->toolTip().contains(text)) return true;
    return false;
}

TEST(ChainView, ABundleIsListedUnderTheCertificateCard) {
    const QString overview = QString::fromUtf8("BUNDLE \u2014 3 blocks, 3 certificates");
    struct Case {
        const char* name;
        std::string text;
        QStringList rows; // empty: no list at all
    } cases[] = {
        {"certificate with an impostor issuer and a root",
         bundleOf({"leaf.pem", "impostor.pem", "root.pem"}),
         {overview, "#1  CERTIFICATE  CN=leaf.tindrel.test, issued by CN=Tindrel Test Intermediate",
          QString::fromUtf8(
              "not issued by #2 \u2014 the issuer name matches but the signature does not verify"),
          QString::fromUtf8("issued by #3 \u2014 name and signature match"),
          "Expires first: #1 CN=leaf.tindrel.test on 2026-06-01T00:00:00Z"}},
        {"key and certificate",
         bundleOf({"leaf.key", "leaf.pem"}),
         {"#1  PRIVATE KEY  138 bytes DER, EC P-256, 256 bits"}},
        {"one certificate", bundleOf({"leaf.pem"}), {}},
    };
    for (const Case& c : cases) {
        ChainView view(Tindrel::inspect(c.text));
        const QStringList texts = visibleLabelTexts(&view);
        const qsizetype summary = texts.indexOf(QRegularExpression("(X\\.509 certificate|PEM:) .*"));
        ASSERT_GE(summary, 0) << c.name;
        for (const QString& row : c.rows) {
            EXPECT_GT(texts.indexOf(row), summary) << c.name << " " << row.toStdString();
            EXPECT_LT(texts.indexOf(row), texts.indexOf("FINAL VALUE")) << c.name << " " << row.toStdString();
        }
        EXPECT_EQ(anyTooltipContains(&view, "SAN: leaf.tindrel.test, www.tindrel.test"), !c.rows.isEmpty())
            << c.name;
        EXPECT_EQ(texts.filter("BUNDLE").isEmpty(), c.rows.isEmpty()) << c.name;
    }
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
