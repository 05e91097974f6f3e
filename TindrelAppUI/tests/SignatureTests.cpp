#include "ModelFakes.h"
#include "TindrelAppUI/inspector/InspectorBinding.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/views/result/InsightPane.h"
#include "TindrelAppUI/views/result/SignatureDialog.h"
#include "WidgetTexts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::buttonTitled;
using testing_support::visibleLabelTexts;

namespace {

// HS256 over {"sub":"1234567890","name":"Ada","iat":1700000000}, signed by the openssl command line.
constexpr const char* signedToken = "eyJhbGciOiJIUzI1NiIsInR5cCI6IkpXVCJ9."
                                    "eyJzdWIiOiIxMjM0NTY3ODkwIiwibmFtZSI6IkFkYSIsImlhdCI6MTcwMDAwMDAwMH0."
                                    "apqMaW-6FmlEhj9QxoOsF4uOwgks7poQITsPuTLuYVw";
constexpr const char* sharedSecret = "correct horse battery staple, but longer";
const QString verifyTitle = QStringLiteral("Verify Signature\u2026");

std::string tokenFact(const DecodeChain& chain, const std::string& key) {
    for (const DecodeResult& step : chain.steps)
        if (step.kind == DetectionKind::jwt && step.details.contains(key)) return step.details.at(key);
    return "-";
}

struct SignatureWindow : ::testing::Test {
    MemoryDefaults defaults;
    std::shared_ptr<tindrel::testing::FakeExplanations> explanations =
        std::make_shared<tindrel::testing::FakeExplanations>();
    InspectorModel model{defaults, {}, InspectorServices{explanations}};
    MainWindow window{false};
    InspectorBinding binding{model, window};

    void settle() {
        tindrel::testing::settle(*explanations);
        binding.renderNow();
    }

    // Opens the dialog from the insight pane, enters the secret and presses Verify.
    void verifyWith(const QString& secret) {
        QAbstractButton* open = buttonTitled(window.insight(), verifyTitle);
        ASSERT_TRUE(open);
        open->click();
        auto* dialog = window.findChild<SignatureDialog*>();
        ASSERT_TRUE(dialog && dialog->isVisible());
        QTest::keyClicks(dialog->secretField(), secret);
        dialog->verifyButton()->click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(dialog->secretField()->text().isEmpty());
        settle();
    }
};

} // namespace

TEST_F(SignatureWindow, VerifiesTheTokenInFocusAndKeepsNoKey) {
    model.setInput(signedToken);
    settle();
    verifyWith("not the secret");
    EXPECT_EQ(tokenFact(*model.chain(), "signature"), "invalid");
    EXPECT_EQ(tokenFact(*model.chain(), "signature_key"), "entered secret");
    QStringList shown = visibleLabelTexts(window.insight());
    EXPECT_TRUE(shown.contains("Critical"));
    EXPECT_TRUE(shown.contains(
        "\u2022 Do not trust this token \u2014 its signature does not verify with the given key."));

    verifyWith(sharedSecret);
    EXPECT_EQ(tokenFact(*model.chain(), "signature"), "verified");
    EXPECT_FALSE(visibleLabelTexts(window.insight()).contains("Critical"));
    EXPECT_EQ(model.jsonExport()->find(sharedSecret), std::string::npos);
    std::string history = model.history().encoded();
    EXPECT_EQ(history.find("signature"), std::string::npos);
    EXPECT_EQ(history.find(sharedSecret), std::string::npos);

    model.setInput(signedToken);
    settle();
    EXPECT_EQ(tokenFact(*model.chain(), "signature"), "-");

    // In a scan the finding in focus is the one checked.
    model.setInput(std::string("boot\nlogin token=") + signedToken +
                   "\nid=550e8400-e29b-41d4-a716-446655440000");
    settle();
    ASSERT_EQ(model.presentation().kind, InspectorModel::Presentation::Kind::scan);
    model.verifySignature(VerificationKey::fromSecret("s", sharedSecret));
    EXPECT_EQ(tokenFact(*model.insightChain(), "signature"), "verified");

    model.setInput("eyJ1c2VyIjoiYWRhIn0=");
    settle();
    EXPECT_FALSE(buttonTitled(window.insight(), verifyTitle));
}

TEST(SignatureDialog, KeyFilesAndMissingKeysAreExplainedInPlace) {
    QTemporaryDir folder;
    struct Case {
        std::string name;
        QByteArray contents; // empty: no file chosen
        QString problem;     // empty: the key is chosen
    } cases[] = {
        {"nothing chosen", {}, "Choose a key file or enter the shared secret."},
        {"JSON that is no key", R"({"a":1})", "key.json holds neither a JWK nor a JWK Set"},
        {"secret file", "s3cret\n", {}},
    };
    for (const Case& c : cases) {
        SignatureDialog dialog;
        int chosen = 0;
        QObject::connect(&dialog, &SignatureDialog::keyChosen, [&chosen] { ++chosen; });
        dialog.show();
        if (!c.contents.isEmpty()) {
            QFile file(folder.filePath("key.json"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.contents);
            file.close();
            dialog.chooseKeyFile(file.fileName());
        }
        dialog.verifyButton()->click();
        EXPECT_EQ(chosen, c.problem.isEmpty() ? 1 : 0) << c.name;
        EXPECT_EQ(dialog.isVisible(), !c.problem.isEmpty()) << c.name;
        if (!c.problem.isEmpty()) {
            EXPECT_EQ(dialog.problemLine()->text(), c.problem) << c.name;
        }
    }
}
