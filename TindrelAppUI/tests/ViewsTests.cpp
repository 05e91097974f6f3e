#include "ModelFakes.h"
#include "TindrelAppUI/inspector/InspectorBinding.h"
#include "TindrelAppUI/inspector/ResultHandover.h"
#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/settings/Defaults.h"
#include "TindrelAppUI/shell/DesktopIdentity.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/style/TindrelColor.h"
#include "TindrelAppUI/style/TindrelFont.h"
#include "TindrelAppUI/tray/MenuBarIcon.h"
#include "TindrelAppUI/tray/TrayController.h"
#include "TindrelAppUI/tray/TrayPlacement.h"
#include "TindrelAppUI/tray/TrayPreview.h"
#include "TindrelAppUI/views/CommandPalette.h"
#include "TindrelAppUI/views/CopyButton.h"
#include "TindrelAppUI/views/PaletteHost.h"
#include "TindrelAppUI/views/TrayPanel.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/ChainView.h"
#include "TindrelAppUI/views/result/DecodedPane.h"
#include "TindrelAppUI/views/result/ExportMenu.h"
#include "TindrelAppUI/views/result/FindingRows.h"
#include "TindrelAppUI/views/result/FollowUpSection.h"
#include "TindrelAppUI/views/result/HeaderBar.h"
#include "TindrelAppUI/views/result/HistoryList.h"
#include "TindrelAppUI/views/result/InsightPane.h"
#include "TindrelAppUI/views/result/ResultPages.h"
#include "TindrelAppUI/views/result/ScanList.h"
#include "TindrelAppUI/views/result/SignatureDialog.h"
#include "TindrelAppUI/views/result/SourceStrip.h"
#include "TindrelAppUI/views/result/StepCard.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "WidgetTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

using namespace tindrel;
using testing_support::buttonTitled;
using testing_support::dataRows;
using testing_support::missingTexts;
using testing_support::screenTexts;
using testing_support::ThemeGuard;
using testing_support::visibleLabelTexts;

namespace {

const QStringList none;
const std::string token(Samples::token);

ScreenState singleState(const std::string& input, int embedded = 0) {
    ScreenState state;
    state.scene = ScreenState::Scene::single;
    state.input = QString::fromStdString(input);
    state.singleChain = std::make_shared<const DecodeChain>(Tindrel::inspect(input));
    state.insightChain = state.singleChain;
    state.embeddedCount = embedded;
    state.singleResultAvailable = true;
    return state;
}

ScreenState scanState(bool singleAvailable) {
    ScreenState state;
    state.scene = ScreenState::Scene::scan;
    state.input = QString::fromUtf8(Samples::log.data(), Samples::log.size());
    state.findings = Tindrel::scan(Samples::log);
    state.selectedFinding = 1;
    state.insightChain = state.findings.at(1).chain;
    state.singleResultAvailable = singleAvailable;
    return state;
}

QString clipboard() {
    return ClipboardPasteboard().text().value_or(QString());
}

struct Screens : ::testing::Test {
    MainWindow window{false};

    bool shown(QWidget* widget) const { return widget->isVisibleTo(&window); }
};

TEST_F(Screens, StartEmptyWithTheHintAndNoChip) {
    EXPECT_EQ(std::tuple(window.minimumSize(), window.size(), window.currentPage()),
              std::tuple(QSize(820, 560), QSize(1040, 700), window.emptyPage()));
    EXPECT_FALSE(window.source()->chipVisible() || shown(window.header()->exportButton()) ||
                 shown(window.emptyPage()->tip()));
    EXPECT_EQ(QStringList{window.source()->editor()->placeholderText()}, screenTexts("placeholder"));
    EXPECT_EQ(missingTexts(window.emptyPage(), screenTexts("empty page")), none);

    SourceStrip* strip = window.source();
    EXPECT_EQ(
        std::tuple(shown(strip->sampleButton()), shown(strip->expandButton()), shown(strip->clearButton())),
        std::tuple(true, false, false));
    window.render(singleState(token));
    EXPECT_TRUE(shown(strip->expandButton()) && shown(strip->clearButton()));
    const int collapsed = strip->editor()->height();
    strip->expandButton()->click();
    EXPECT_GT(strip->editor()->height(), collapsed);
    EXPECT_EQ(strip->expandButton()->text(), QString("Collapse"));
    strip->expandButton()->click();
    EXPECT_EQ(strip->expandButton()->text(), QString("Expand"));
    ScreenState blank;
    blank.input = " ";
    window.render(blank);
    EXPECT_TRUE(shown(strip->clearButton())) << "untrimmed text still counts";
}

TEST_F(Screens, SingleResultShowsChipAndBannerAndTheScanListOffersItOnlyWhenDue) {
    window.render(singleState(token));
    EXPECT_EQ(std::tuple(window.currentPage(), window.source()->chipText()),
              std::tuple(window.singlePage(), QString("JWT")));
    EXPECT_TRUE(shown(window.header()->exportButton()) && !shown(window.singlePage()->banner()));
    EXPECT_EQ(missingTexts(window.singlePage(), {"DECODED", "JWT", "Expired", "Algorithm"}), none);
    window.render(singleState(token, 3));
    EXPECT_TRUE(shown(window.singlePage()->banner()));
    EXPECT_EQ(window.singlePage()->bannerText()->text(),
              QString("Also found 3 embedded items in this input."));
    QSignalSpy logScan(&window, &MainWindow::logScanRequested);
    window.singlePage()->logScanButton()->click();
    EXPECT_EQ(logScan, QList<QVariantList>{{true}});

    window.render(singleState("eyJ1c2VyIjoiYWRhIiwicmV0cmllcyI6M30="));
    auto* toggle = qobject_cast<QToolButton*>(buttonTitled(window.singlePage(), "Technical details"));
    ASSERT_NE(toggle, nullptr);
    EXPECT_FALSE(visibleLabelTexts(window.singlePage()).contains("FINAL VALUE"));
    toggle->click();
    EXPECT_EQ(missingTexts(window.singlePage(), {"FINAL VALUE", "1", "2", "base64", "json", "FACTS"}), none);

    window.render(scanState(false));
    const int found = int(Tindrel::scan(Samples::log).size());
    EXPECT_EQ(std::tuple(window.currentPage(), window.source()->chipText(), window.scanList()->rowCount(),
                         window.scanList()->currentRow()),
              std::tuple(window.scanList()->parentWidget(),
                         QString::fromUtf8("Log \u00B7 %1 found").arg(found), found, 1));
    EXPECT_FALSE(shown(window.scanList()->singleResultButton()));
    window.render(scanState(true));
    EXPECT_TRUE(shown(window.scanList()->singleResultButton()));
    QSignalSpy selected(&window, &MainWindow::findingSelected);
    window.scanList()->selectRow(0);
    EXPECT_EQ(selected, QList<QVariantList>{{0}});
}

TEST_F(Screens, UnrecognizedAndDecodingInputSaySoAndTheInsightFollowsTheExplanationState) {
    ScreenState state;
    state.scene = ScreenState::Scene::unrecognized;
    state.input = "hello there";
    window.render(state);
    EXPECT_FALSE(window.source()->chipVisible());
    EXPECT_EQ(visibleLabelTexts(window.currentPage()), screenTexts("not recognized"));
    state.scene = ScreenState::Scene::decoding;
    window.render(state);
    EXPECT_FALSE(window.source()->chipVisible());
    EXPECT_EQ(visibleLabelTexts(window.currentPage()), QStringList({"Decoding\u2026"}));
    EXPECT_TRUE(visibleLabelTexts(window.insight()).contains("Decoding\u2026"));
    EXPECT_FALSE(visibleLabelTexts(window.insight()).contains(screenTexts("insight at rest").first()));

    state = singleState(token);
    window.render(state);
    EXPECT_EQ(missingTexts(window.insight(), screenTexts("insight at rest")), none);
    state.insight = ScreenState::Insight::loading;
    window.render(state);
    EXPECT_EQ(missingTexts(window.insight(), {"Building an explanation\u2026"}), none);
    EXPECT_FALSE(shown(window.insight()->followUps()));
    state.insight = ScreenState::Insight::ready;
    state.explanation = "An expired token.";
    state.followUps = {{"why?", std::nullopt}};
    window.render(state);
    EXPECT_EQ(missingTexts(window.insight(), screenTexts("insight ready")), none);
    EXPECT_TRUE(shown(window.insight()->followUps()));
    EXPECT_NE(buttonTitled(window.insight(), "Copy explanation"), nullptr);
    buttonTitled(window.insight(), "Copy JSON")->click();
    EXPECT_EQ(clipboard().toStdString(), TindrelJSON::string(Tindrel::inspect(Samples::token)));
}

TEST_F(Screens, HistoryShowsInThePopupAndTheEmptyStateUpToItsLimit) {
    ScreenState state;
    state.history.emplace_back("1733556842", std::vector<std::string>{"unixTimestamp"}, true, 3);
    state.history.emplace_back("abc", std::vector<std::string>{"base64"}, true, 2);
    state.historyLimit = 1;
    state.shortcutTip = "Tip: press X anywhere to inspect your clipboard.";
    window.render(state);
    EXPECT_EQ(window.header()->historyList()->rows()->count(), 1);
    EXPECT_EQ(window.emptyPage()->history()->rows()->count(), 1);
    EXPECT_TRUE(shown(window.emptyPage()->tip()));
    QSignalSpy chosen(&window, &MainWindow::historyEntryChosen);
    emit window.emptyPage()->history()->rows()->itemClicked(window.emptyPage()->history()->rows()->item(0));
    EXPECT_EQ(chosen, QList<QVariantList>{{0}});
    window.header()->openHistory();
    EXPECT_TRUE(window.header()->historyPopup()->isVisible());
    window.header()->historyPopup()->hide();

    HistoryEntry kept(std::string(16 * 1024, 'k'), {"hex"}, true, 1);
    kept.fullSize = 300 * 1024;
    state.history = {kept};
    window.render(state);
    EXPECT_EQ(missingTexts(window.emptyPage()->history(), {"\u2026 (first 16 KiB of 300 KiB)"}), none);
}

TEST(ExportMenu, ListsItsItemsAndCopiesMarkdownJSONOrTheRedactedMarkdown) {
    const auto titles = [](const QMenu& menu) {
        QStringList out;
        for (const QAction* action : menu.actions())
            out << (action->isSeparator() ? QString("-") : action->text());
        return out;
    };
    const QStringList base = {"Copy as Markdown",       "Copy as JSON",      "Copy Markdown (redacted)", "-",
                              "Save as Markdown\u2026", "Save as JSON\u2026"};
    EXPECT_EQ(titles(ExportMenu(false)), base);
    EXPECT_EQ(titles(ExportMenu(true)), base + QStringList{"Share\u2026"});

    // What each export holds is the report's own test; here each item hands over its own.
    ExportMenu menu(false);
    const DecodeChain chain = Tindrel::inspect(Samples::token);
    for (const std::optional<QString>& explanation :
         {std::optional(QString::fromStdString("It quotes " + token + ".")), std::optional<QString>()}) {
        menu.setSubject(chain, explanation);
        const QString expected[] = {ResultHandover::markdown(chain, explanation), ResultHandover::json(chain),
                                    ResultHandover::redactedMarkdown(chain, explanation)};
        for (int item = 0; item < 3; ++item) {
            menu.actions().at(item)->trigger();
            EXPECT_EQ(clipboard(), expected[item]) << item;
        }
        EXPECT_FALSE(clipboard().contains(QString::fromStdString(token.substr(token.rfind('.')))));
    }
}

TEST(StepCard, ShowsEachTableOnlyWithRowsAndKeysAsStored) {
    const std::tuple<Details, bool, bool> cases[] = {
        {{}, false, false},
        {{{"byte_count", "12"}, {"typ", "JWT"}}, true, false},
        {{{"alg_note", "n"}, {"exp_relative", "r"}, {"checklist", "c"}}, false, true},
        {{{"key_size", "2048"}, {"security", "weak"}, {"x_meaning", "m"}}, true, true}};
    for (const auto& [details, facts, notes] : cases) {
        StepCard card(3,
                      DecodeResult{DetectionKind::base64, "out", 0.855, "Decoded Base64.", details, false});
        const QStringList texts = visibleLabelTexts(&card);
        QStringList expected = {"3", "base64", "86%", "Decoded Base64."};
        for (const auto& [key, value] : details)
            expected << QString::fromStdString(key) << QString::fromStdString(value);
        EXPECT_EQ(missingTexts(&card, expected), none);
        EXPECT_EQ(std::tuple(texts.contains("FACTS"), texts.contains("WHAT IT MEANS / NEXT STEPS")),
                  std::tuple(facts, notes))
            << details.size();
    }
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

TEST(ChainView, TheNoticeTheFinalValueOtherReadingsAndABundleUnderTheCertificateCard) {
    ChainView unrecognised(DecodeChain{"just words", {}});
    EXPECT_EQ(visibleLabelTexts(&unrecognised),
              QStringList({"Not recognized \u2014 plain text or unsupported format."}));
    EXPECT_EQ(buttonTitled(&unrecognised, "Copy"), nullptr);
    ChainView recognised(Tindrel::inspect(Samples::token));
    EXPECT_TRUE(visibleLabelTexts(&recognised).contains("FINAL VALUE") && buttonTitled(&recognised, "Copy"));
    EXPECT_EQ(visibleLabelTexts(&recognised).count("jwt"), 2); // the path and the first card

    DecodeResult first{DetectionKind::base64, "3031", 0.7, "Base64", {}, false};
    DecodeResult second{DetectionKind::hex, "01", 0.6, "Hex", {}, false};
    second.alternatives = {{DetectionKind::hash, 0.5, "MD5 digest"},
                           {DetectionKind::unixTimestamp, 0.456, "Time"}};
    ChainView readings(DecodeChain{"MzAzMQ==", {first, second}});
    std::vector<std::pair<int, DetectionKind>> chosen;
    QObject::connect(&readings, &ChainView::readingChosen,
                     [&chosen](int step, DetectionKind kind) { chosen.emplace_back(step, kind); });
    EXPECT_EQ(visibleLabelTexts(&readings).count("Also possible:"), 1); // the first step has none
    ASSERT_TRUE(buttonTitled(&readings, "Hash (50%)") && buttonTitled(&readings, "Timestamp (46%)"));
    buttonTitled(&readings, "Timestamp (46%)")->click();
    buttonTitled(&readings, "Hash (50%)")->click();
    EXPECT_EQ(chosen, (std::vector<std::pair<int, DetectionKind>>{{1, DetectionKind::unixTimestamp},
                                                                  {1, DetectionKind::hash}}));

    DecodedPane pane; // technical details stay open only for the same input
    const std::string hexText = "30313233343536373839616263646566";
    pane.setChain(Tindrel::inspect(hexText));
    buttonTitled(&pane, "Technical details")->click();
    pane.setChain(Tindrel::reread(Tindrel::inspect(hexText), 0, DetectionKind::hash).chain);
    const bool keptOpen = buttonTitled(&pane, "Technical details")->isChecked();
    pane.setChain(Tindrel::inspect(Samples::token));
    EXPECT_EQ(std::tuple(keptOpen, buttonTitled(&pane, "Technical details")->isChecked()),
              std::tuple(true, false));

    const std::pair<std::string, QStringList> cases[] = {
        // a certificate with an impostor issuer and a root; a key and a certificate; one certificate
        {bundleOf({"leaf.pem", "impostor.pem", "root.pem"}), screenTexts("bundle of three")},
        {bundleOf({"leaf.key", "leaf.pem"}), screenTexts("key and certificate")},
        {bundleOf({"leaf.pem"}), {}}};
    for (const auto& [text, rows] : cases) {
        ChainView view(Tindrel::inspect(text));
        const QStringList texts = visibleLabelTexts(&view);
        const qsizetype summary = texts.indexOf(QRegularExpression("(X\\.509 certificate|PEM:) .*"));
        ASSERT_GE(summary, 0) << rows.size();
        for (const QString& row : rows) {
            EXPECT_GT(texts.indexOf(row), summary) << row.toStdString();
            EXPECT_LT(texts.indexOf(row), texts.indexOf("FINAL VALUE")) << row.toStdString();
        }
        bool sanShown = false;
        for (const QWidget* widget : view.findChildren<QWidget*>())
            sanShown = sanShown || widget->toolTip().contains("SAN: leaf.tindrel.test, www.tindrel.test");
        EXPECT_EQ(std::tuple(sanShown, texts.filter("BUNDLE").isEmpty()),
                  std::tuple(!rows.isEmpty(), rows.isEmpty()))
            << rows.size();
    }
}

TEST(ResultHandover, MailCarriesTheWholeReportAndSavingStartsInTheLastFolderElseDocumentsElseHome) {
    const QString report =
        QString::fromUtf8("# JWT \u2014 Expired\n\n- **Algorithm:** HS256 & more = 100%?\n");
    const QUrl url(ResultHandover::mailURL(report));
    EXPECT_EQ(std::tuple(url.scheme(), url.path(), QUrlQuery(url).queryItemValue("body", QUrl::FullyDecoded)),
              std::tuple(QString("mailto"), QString(), report));

    QTemporaryDir root;
    const QString last = root.filePath("last"), documents = root.filePath("Documents"), home = root.path();
    ASSERT_TRUE(QDir().mkpath(last));
    const std::tuple<QString, QString, QString> cases[] = {
        {last, documents, last},
        {QString(), documents, home}, // no Documents folder yet
        {root.filePath("gone"), last, last},
        {QString(), QString(), home}};
    for (const auto& [lastUsed, documentsFolder, expected] : cases)
        EXPECT_EQ(ResultHandover::saveFolder(lastUsed, documentsFolder, home), expected)
            << lastUsed.toStdString();
    ASSERT_TRUE(QDir().mkpath(documents));
    EXPECT_EQ(ResultHandover::saveFolder(QString(), documents, home), documents);
}

struct Bound : ::testing::Test {
    MemoryDefaults defaults;
    InspectorModel model{defaults, {}, services()};
    MainWindow window{false};
    InspectorBinding binding{model, window};

    static InspectorServices services() {
        InspectorServices s{std::make_shared<tindrel::testing::InstantExplanations>()};
        s.settleMilliseconds = 100;
        return s;
    }
    bool waitForText(QWidget* root, const QString& text) {
        return QTest::qWaitFor(
            [&] {
                binding.renderNow();
                return visibleLabelTexts(root).contains(text);
            },
            5000);
    }
};

TEST_F(Bound, TypedAndPastedTextAndTheScanSelectionReachTheModelAndTheAnswersTheWindow) {
    window.source()->editor()->setPlainText(QString::fromStdString(token));
    EXPECT_EQ(model.input(), token);
    EXPECT_TRUE(model.history().entries().empty()) << "typed text is kept once it has settled";
    ASSERT_TRUE(waitForText(window.insight(), "Explained."));
    EXPECT_EQ(std::tuple(window.currentPage(), window.source()->chipText()),
              std::tuple(window.singlePage(), QString("JWT")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.history().entries().size() == 1; }, 3000));

    QLineEdit* field = window.insight()->followUps()->field();
    field->setText("  is it expired?  ");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(model.followUps().size(), 1u);
    EXPECT_EQ(model.followUps().front().question, "is it expired?");
    EXPECT_TRUE(waitForText(window.insight(), "Answer to is it expired?"));

    QPlainTextEdit* editor = window.source()->editor();
    editor->selectAll();
    QGuiApplication::clipboard()->setText("1733556842");
    editor->paste();
    EXPECT_EQ(model.input(), "1733556842");
    EXPECT_EQ(model.history().entries().size(), 2u) << "pasted text is kept at once";
    // One line of 300 KiB: the model takes it whole, the editor shows its start read-only.
    const QString large = QString(300 * 1024, QChar(u'A'));
    editor->selectAll();
    QGuiApplication::clipboard()->setText(large);
    editor->paste();
    binding.renderNow();
    EXPECT_EQ(std::tuple(model.input().size(), editor->isReadOnly(), window.source()->notice()),
              std::tuple(std::size_t(large.size()), true, QString("Showing the first 256 KiB of 300 KiB")));

    model.setInput(std::string(Samples::log));
    binding.renderNow();
    if (window.currentPage() == window.singlePage()) window.singlePage()->logScanButton()->click();
    binding.renderNow();
    ASSERT_EQ(model.presentation().kind, InspectorModel::Presentation::Kind::scan);
    window.scanList()->selectRow(1);
    EXPECT_EQ(model.selectedFinding(), 1);
    model.clearInput();
    binding.renderNow();
    EXPECT_EQ(std::tuple(window.currentPage(), window.source()->editor()->toPlainText()),
              std::tuple(window.emptyPage(), QString()));
}

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

TEST_F(Bound, SignatureIsVerifiedForTheTokenInFocusAndNoKeyIsKept) {
    const auto settle = [&] {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return model.explanation().state == InspectorModel::Explanation::State::ready; }));
        binding.renderNow();
    };
    const auto verifyWith = [&](const QString& secret) {
        QAbstractButton* open = buttonTitled(window.insight(), verifyTitle);
        ASSERT_TRUE(open);
        open->click();
        auto* dialog = window.findChild<SignatureDialog*>();
        ASSERT_TRUE(dialog && dialog->isVisible());
        QTest::keyClicks(dialog->secretField(), secret);
        dialog->verifyButton()->click();
        EXPECT_FALSE(dialog->isVisible() || !dialog->secretField()->text().isEmpty());
        settle();
    };
    model.setInput(signedToken);
    settle();
    verifyWith("not the secret");
    EXPECT_EQ(tokenFact(*model.chain(), "signature") + "/" + tokenFact(*model.chain(), "signature_key"),
              "invalid/entered secret");
    EXPECT_EQ(missingTexts(window.insight(), screenTexts("bad signature")), none);
    verifyWith(sharedSecret);
    EXPECT_EQ(tokenFact(*model.chain(), "signature"), "verified");
    EXPECT_FALSE(visibleLabelTexts(window.insight()).contains("Critical"));
    EXPECT_EQ(model.jsonExport()->find(sharedSecret), std::string::npos);
    EXPECT_EQ(model.history().encoded().find("signature"), model.history().encoded().find(sharedSecret))
        << "neither is kept";
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
    const std::pair<QByteArray, QString> cases[] = {
        // the key file (none when empty), the problem (none when the key is chosen)
        {{}, "Choose a key file or enter the shared secret."},
        {R"({"a":1})", "key.json holds neither a JWK nor a JWK Set"},
        {"s3cret\n", {}}};
    for (const auto& [contents, problem] : cases) {
        SignatureDialog dialog;
        int chosen = 0;
        QObject::connect(&dialog, &SignatureDialog::keyChosen, [&chosen] { ++chosen; });
        dialog.show();
        if (!contents.isEmpty()) {
            QFile file(folder.filePath("key.json"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(contents);
            file.close();
            dialog.chooseKeyFile(file.fileName());
        }
        dialog.verifyButton()->click();
        EXPECT_EQ(std::tuple(chosen, dialog.isVisible()),
                  std::tuple(problem.isEmpty() ? 1 : 0, !problem.isEmpty()))
            << contents.toStdString();
        EXPECT_TRUE(problem.isEmpty() || dialog.problemLine()->text() == problem) << contents.toStdString();
    }
}

// Shown at `size`, with every pending layout done.
void showAt(QWidget& window, QSize size) {
    window.resize(size);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
}

TEST(ScanPage, TheListTakesItsRowsUpToAShareTheDetailsTheRestAndTheChosenHeightIsRemembered) {
    for (const QStringList& row : dataRows("scan-list-heights.tsv"))
        EXPECT_EQ(MainWindow::scanListHeight(row[0].toInt(), row[1].toInt(),
                                             row[2] == "-" ? std::nullopt : std::optional(row[2].toInt())),
                  row[3].toInt())
            << row.join(' ').toStdString();

    // At the default size the sample log's findings show without scrolling; at either size the selected
    // finding's details get the larger part.
    for (const QSize size : {MainWindow::defaultSize, MainWindow::minimumContentSize}) {
        MainWindow window(false);
        MemoryDefaults store;
        window.keepLayoutIn(store);
        window.render(scanState(false));
        showAt(window, size);
        const QList<int> sizes = window.scanSplitter()->sizes();
        ASSERT_EQ(sizes.size(), 2);
        EXPECT_TRUE(sizes[1] > sizes[0] && sizes[1] >= MainWindow::minScanDetails)
            << size.height() << ": " << sizes[1];
        EXPECT_TRUE(size != MainWindow::defaultSize ||
                    window.scanList()->rows()->verticalScrollBar()->maximum() == 0);
    }

    MemoryDefaults store;
    {
        MainWindow window(false);
        window.keepLayoutIn(store);
        window.render(scanState(false));
        showAt(window, QSize(900, 640));
        window.move(40, 30);
        window.scanSplitter()->setSizes({260, window.scanSplitter()->height() - 260});
        emit window.scanSplitter()->splitterMoved(260, 1);
        window.hide();
    }
    MainWindow again(false);
    again.keepLayoutIn(store);
    again.render(scanState(false));
    EXPECT_EQ(std::tuple(store.integer(MainWindow::scanListKey), again.size()),
              std::tuple(std::optional(260), QSize(900, 640)));
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.scanSplitter()->sizes().value(0), 260);
}

// A token's insight, with its extra Verify Signature… button, stays within its column at both window
// sizes, styled as in the app: nothing on the result page scrolls sideways.
TEST(ResultPages, ATokensInsightFitsItsColumn) {
    const ThemeGuard dark(Appearance::dark);
    for (const QSize size : {MainWindow::defaultSize, MainWindow::minimumContentSize}) {
        MainWindow window(false);
        ScreenState state = singleState(token);
        state.insight = ScreenState::Insight::ready;
        state.explanation = "An expired token.";
        window.render(state);
        showAt(window, size);
        ASSERT_NE(buttonTitled(window.insight(), "Verify Signature\u2026"), nullptr);
        for (const QScrollArea* area : window.findChildren<QScrollArea*>())
            EXPECT_TRUE(!area->isVisible() || area->horizontalScrollBar()->maximum() == 0) << size.width();
    }
}

// A short pane scrolls; after each question the field and the newest answer right above it are in view.
// Styled as in the app.
TEST(FollowUpSection, SendsTheTrimmedQuestionAndKeepsTheFieldAndTheNewestAnswerInView) {
    // What counts as blank is the trimming rule's own test; here that the field follows it.
    const std::tuple<QString, bool, QString> cases[] = {
        {"\u00A0\u2003", false, {}}, {"  is it expired? ", true, "is it expired?"}, {"why", true, "why"}};
    for (const auto& [typed, enabled, asked] : cases) {
        FollowUpSection section;
        QSignalSpy spy(&section, &FollowUpSection::askRequested);
        section.field()->setText(typed);
        EXPECT_EQ(section.sendButton()->isEnabled(), enabled) << typed.toStdString();
        if (typed == "why")
            section.sendButton()->click();
        else
            QTest::keyClick(section.field(), Qt::Key_Return);
        EXPECT_EQ(spy, enabled ? QList<QVariantList>{{asked}} : QList<QVariantList>()) << typed.toStdString();
        EXPECT_EQ(section.field()->text(), enabled ? QString() : typed);
    }
    FollowUpSection section;
    section.setItems({{"first?", QString("yes")}, {"second?", std::nullopt}});
    EXPECT_EQ(visibleLabelTexts(&section),
              QStringList({"first?", "yes", "second?", "Thinking on-device\u2026"}));
    const ThemeGuard light(Appearance::light);
    QScrollArea area;
    area.setWidgetResizable(true);
    auto* pane = new InsightPane;
    area.setWidget(pane);
    pane->showReady(std::make_shared<const DecodeChain>(Tindrel::inspect(Samples::token)), "An explanation.");
    showAt(area, QSize(480, 260));
    std::vector<FollowUpSection::Item> items;
    for (int asked = 1; asked <= 4; ++asked) {
        items.push_back(
            {QStringLiteral("question %1?").arg(asked), QStringLiteral("A long answer. ").repeated(12)});
        pane->setFollowUps(items);
        QTest::qWait(30);
        QLineEdit* field = pane->followUps()->field();
        const QRect fieldArea(field->mapTo(area.viewport(), QPoint()), field->size());
        EXPECT_TRUE(area.viewport()->rect().contains(fieldArea) && area.verticalScrollBar()->value() > 0)
            << "after question " << asked;
    }
}

TEST(CommandPalette, ShowsEveryCommandWithoutScrollingWhenTheWindowHasRoom) {
    std::vector<PaletteCommand> commands;
    commands.reserve(11);
    for (int i = 0; i < 11; ++i)
        commands.push_back({QUuid::createUuid(), QStringLiteral("Command %1").arg(i), "doc.on.doc", {}, {}});
    const std::pair<QSize, bool> cases[] = {
        {MainWindow::defaultSize, true}, {MainWindow::minimumContentSize, true}, {QSize(600, 320), false}};
    for (const auto& [size, allShown] : cases) {
        QWidget window;
        auto* palette = new CommandPalette(&window);
        showAt(window, size);
        palette->open(commands);
        QTest::qWait(20);
        EXPECT_EQ(palette->list()->verticalScrollBar()->maximum() == 0, allShown) << size.height();
        EXPECT_LE(palette->findChild<QFrame*>()->geometry().bottom(), window.height()) << "the card fits";
    }
}

std::vector<HistoryEntry> entries(int count, const std::string& input) {
    std::vector<HistoryEntry> list;
    list.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        list.emplace_back(input + std::to_string(i), std::vector<std::string>{"jwt", "json"}, true, i);
    return list;
}

TEST(HistoryList, ShowsRowsUpToTheLimitOrTheNoticeCutsLongInputsAndThePopupSizesToItsRows) {
    const QString nothing = "Nothing yet \u2014 paste something to start your history.";
    HistoryList list;
    EXPECT_TRUE(visibleLabelTexts(&list).contains(nothing));
    std::vector<HistoryEntry> three;
    three.emplace_back("aGVsbG8=\nsecond line", std::vector<std::string>{"base64"}, true, 3);
    three.emplace_back("{\"a\":1}", std::vector<std::string>{"base64", "json"}, true, 2);
    three.emplace_back("plain", std::vector<std::string>{}, false, 1);
    list.setEntries(three, 2);
    ASSERT_EQ(list.rows()->count(), 2);
    EXPECT_FALSE(visibleLabelTexts(&list).contains(nothing) || visibleLabelTexts(&list).contains("plain"));
    EXPECT_EQ(missingTexts(&list, {"aGVsbG8= second line", "base64 \u2192 json"}), none);
    QSignalSpy chosen(&list, &HistoryList::entryChosen);
    QSignalSpy cleared(&list, &HistoryList::clearRequested);
    emit list.rows()->itemClicked(list.rows()->item(1));
    EXPECT_EQ(chosen, QList<QVariantList>{{1}});
    buttonTitled(&list, "Clear")->click();
    EXPECT_EQ(cleared.count(), 1);

    list.setEntries(entries(1, std::string(2000, 'x') + "\n"), 50);
    showAt(list, QSize(320, 200));
    const auto* row = list.findChild<ElidedLabel*>();
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->shownText().endsWith(QChar(0x2026)) && row->shownText().size() < 200)
        << row->shownText().toStdString();
    list.setEntries(entries(1, "short"), 50);
    QTest::qWait(20);
    EXPECT_EQ(list.findChild<ElidedLabel*>()->shownText(), QStringLiteral("short0"));

    std::map<int, int> heights; // a few rows give a short popup with nothing to scroll
    for (int count : {0, 3, 8}) {
        QWidget window;
        auto* header = new HeaderBar(false, &window);
        header->historyList()->setEntries(entries(count, "token"), 50);
        showAt(window, QSize(900, 100));
        header->openHistory();
        QTest::qWait(20);
        heights[count] = header->historyPopup()->height();
        EXPECT_EQ(header->historyList()->rows()->verticalScrollBar()->maximum(), 0) << count;
        header->historyPopup()->hide();
    }
    EXPECT_TRUE(heights[0] < heights[3] && heights[3] < heights[8])
        << heights[0] << " " << heights[3] << " " << heights[8];
}

// "Copied" shows for a while, and never changes the button's width nor moves the button beside it.
TEST(CopyButton, WritesTheClipboardAndConfirmsForAWhileKeepingItsWidthAndItsNeighbour) {
    const QString copied = QString::fromUtf8("caf\u00E9 \u2192 ok");
    for (const char* title : {"Copy", "Copy explanation"}) {
        ClipboardPasteboard().setText("before");
        int reads = 0;
        QWidget row;
        auto* layout = new QHBoxLayout(&row);
        auto* button = new CopyButton(QString::fromLatin1(title), [&] { return ++reads, copied; });
        auto* neighbour = new CopyButton(QStringLiteral("Copy JSON"), [] { return QStringLiteral("y"); });
        layout->addWidget(button);
        layout->addWidget(neighbour);
        layout->addStretch();
        showAt(row, QSize(600, 60));
        const int width = button->width();
        const int neighbourAt = neighbour->x();
        EXPECT_EQ(reads, 0);
        button->click();
        QTest::qWait(20);
        EXPECT_EQ(std::tuple(reads, clipboard(), button->text(), button->width(), neighbour->x()),
                  std::tuple(1, copied, QString("Copied"), width, neighbourAt))
            << title;
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(CopyButton::confirmation))
            << title;
        QTest::qWait(CopyButton::confirmationMs - 300);
        EXPECT_EQ(button->text(), QString("Copied"));
        QTest::qWait(500);
        EXPECT_EQ(button->text(), QString::fromLatin1(title));
    }
}

struct PaletteWindow : ::testing::Test {
    QWidget window;
    CommandPalette* palette = new CommandPalette(&window);
    std::vector<PaletteCommand> commands;
    std::map<QString, int> runs;
    QSignalSpy closed{palette, &CommandPalette::closed};

    PaletteWindow() {
        window.resize(900, 600);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        for (const char* title : {"Inspect clipboard", "Load sample artifact", "Copy decoded value",
                                  "Copy explanation", "Settings\u2026"})
            commands.push_back(
                {QUuid::createUuid(), title, "doc.on.doc", std::nullopt, [this, title] { ++runs[title]; }});
        palette->open(commands);
    }
    void key(Qt::Key which, int times = 1) {
        for (int press = 0; press < times; ++press)
            QTest::keyClick(palette->searchField(), which);
    }
    bool noMatchShown() const { return visibleLabelTexts(palette).contains("No matching command"); }
};

TEST_F(PaletteWindow, OpensFocusedTypingFiltersArrowsStayInsideAndReturnEscapeOrClicksRunOrClose) {
    EXPECT_TRUE(palette->isOpen());
    EXPECT_EQ(std::tuple(palette->geometry(), QApplication::focusWidget(),
                         palette->searchField()->placeholderText()),
              std::tuple(window.rect(), palette->searchField(), QString("Type a command\u2026")));
    EXPECT_EQ(std::tuple(palette->query(), palette->selected(), palette->visibleTitles().size(),
                         palette->list()->currentRow()),
              std::tuple(QString(), 0, 5, 0));
    key(Qt::Key_Down, 2);
    ASSERT_EQ(palette->selected(), 2);
    QTest::keyClicks(palette->searchField(), "COPY");
    EXPECT_EQ(palette->visibleTitles(), QStringList({"Copy decoded value", "Copy explanation"}));
    EXPECT_EQ(palette->selected(), 0) << "typing resets the selection";
    EXPECT_FALSE(palette->list()->count() != 2 || noMatchShown());
    key(Qt::Key_Down, 10);
    EXPECT_EQ(std::tuple(palette->selected(), palette->list()->currentRow(), palette->query()),
              std::tuple(1, 1, QString("COPY")));
    key(Qt::Key_Up, 10);
    EXPECT_EQ(palette->selected(), 0);
    EXPECT_EQ(palette->searchField()->cursorPosition(), 4) << "the arrows never reach the field";
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(runs, (std::map<QString, int>{{"Copy explanation", 1}}));
    EXPECT_EQ(std::tuple(palette->isOpen(), closed.count()), std::tuple(false, 1));

    palette->open(commands);
    QTest::keyClicks(palette->searchField(), "zebra");
    EXPECT_TRUE(palette->visibleTitles().isEmpty() && noMatchShown());
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_TRUE(palette->isOpen());
    key(Qt::Key_Escape);
    EXPECT_EQ(std::tuple(palette->isOpen(), runs.size(), closed.count()), std::tuple(false, 1u, 2));

    palette->open(commands);
    const QRect card = palette->searchField()->parentWidget()->geometry();
    QTest::mouseClick(palette, Qt::LeftButton, {}, card.topLeft() + QPoint(3, 3));
    EXPECT_TRUE(palette->isOpen());
    QListWidget* list = palette->list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(runs, (std::map<QString, int>{{"Copy explanation", 1}, {"Copy decoded value", 1}}));
    EXPECT_FALSE(palette->isOpen());
    palette->open({});
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(5, window.height() - 5));
    EXPECT_EQ(std::tuple(palette->isOpen(), runs.size()), std::tuple(false, 2u));
}

TEST(PaletteHost, ControlKTogglesWithFreshCommandsAndAnEarlyOpenStays) {
    QWidget window;
    int built = 0;
    PaletteHost host(window, [&] {
        ++built;
        return std::vector<PaletteCommand>{
            {QUuid::createUuid(), QStringLiteral("Build %1").arg(built), "gearshape", std::nullopt, [] {}}};
    });
    host.open(); // before the window shows
    EXPECT_TRUE(host.palette()->isOpen());
    window.resize(800, 500);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(host.palette()->isVisible() && host.shortcut()->key() == QKeySequence(Qt::CTRL | Qt::Key_K));
    QTest::keyClick(host.palette()->searchField(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_FALSE(host.palette()->isOpen());
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(host.palette()->isOpen());
    EXPECT_EQ(host.palette()->visibleTitles(), QStringList({"Build 2"}));
    QTest::keyClick(host.palette()->searchField(), Qt::Key_K, Qt::ControlModifier);
    host.toggle();
    EXPECT_EQ(std::tuple(host.palette()->visibleTitles(), built), std::tuple(QStringList({"Build 3"}), 3));
}

TEST(ScreenTexts, ChipsCountsAndPercentsAreWordForWord) {
    for (const QStringList& row : dataRows("screen-words.tsv")) {
        QString said;
        if (row[0] == "chip") {
            const auto kind = detection_kind::fromRawValue(row[1].toStdString());
            said = ScreenTexts::singleChip(
                       DecodeChain{"x", {DecodeResult{*kind, "y", row[2].toDouble(), "s", {}, true}}})
                       .value_or("-");
        }
        if (row[0] == "findings") said = ScreenTexts::findingCount(row[1].toUInt());
        if (row[0] == "percent") said = ScreenTexts::confidencePercent(row[1].toDouble());
        EXPECT_EQ(said, row.last()) << row.join(' ').toStdString();
    }
    EXPECT_FALSE(ScreenTexts::singleChip(DecodeChain{"plain", {}}).has_value());
    EXPECT_EQ(ScreenTexts::oneLine("  a\nb\r\nc\td \n"), QString("a b  c d"));
    EXPECT_EQ(ScreenTexts::trimmed("\u00A0\u2003 ask \n"), QString("ask"));
    EXPECT_TRUE(ScreenTexts::trimmed(" \n\t ").isEmpty());
}

TEST(FindingRows, StartWithTheLineAndTheSummaryAndPreviewOneShortLine) {
    const std::string longJson = "{\"k\":\"" + std::string(2000, 'x') + "\"}";
    const std::tuple<std::string, std::size_t, QString> rows[] = {
        {std::string(Samples::token), 2, "line 2 \u00B7 JWT \u2014 Expired"},
        {"550e8400-e29b-41d4-a716-446655440000", 1, "line 1 \u00B7 UUID"},
        {"{\"a\":1,\n\"b\":2}", 14, "line 14 \u00B7 JSON"},
        {longJson, 1, "line 1 \u00B7 JSON"}};
    for (const auto& [text, line, head] : rows) {
        const QString row = FindingRows::rowText(
            ScanFinding{line, std::make_shared<const DecodeChain>(Tindrel::inspect(text))});
        EXPECT_EQ(std::tuple(row.section('\n', 0, 0), row.count('\n'), row.endsWith("\u2026")),
                  std::tuple(head, 1, text == longJson))
            << "the preview never spills onto more lines";
        EXPECT_LE(row.section('\n', 1).size(), 161);
    }

    FindingRows model;
    const std::vector<ScanFinding> findings = Tindrel::scan(Samples::log);
    const int count = int(findings.size());
    ASSERT_GE(count, 2);
    EXPECT_TRUE(model.setFindings(findings) && model.rowCount() == count);
    EXPECT_FALSE(model.setFindings(findings)) << "the same findings keep the rows";
    EXPECT_EQ(model.data(model.index(1), Qt::DisplayRole).toString(), FindingRows::rowText(findings[1]));
    EXPECT_FALSE(model.data(model.index(count), Qt::DisplayRole).isValid());
    EXPECT_TRUE(model.setFindings({}) && model.rowCount() == 0);
}

TEST(TrayPreview, CutsToWholeCharactersUpToTheLimit) {
    EXPECT_EQ(TrayPreview::valueLimit, 240);
    for (const QStringList& row : dataRows("tray-cuts.tsv"))
        EXPECT_EQ(cutToCharacters(row[0], row[1].toInt()), row[2])
            << row[0].size() << " " << row[1].toStdString();
}

TEST(TindrelColor, HexTextsParseLeniently) {
    for (const QStringList& row : dataRows("hex-colours.tsv"))
        EXPECT_EQ(TindrelColor::fromHex(row[0].toStdString()).rgba(), row[1].toUInt(nullptr, 16))
            << row[0].toStdString();
}

TEST(Theme, RestylesExistingWidgetsInPlace) {
    EXPECT_TRUE(QFontInfo(TindrelFont::code.font()).fixedPitch());
    const ThemeGuard guard;
    Theme& theme = Theme::shared();
    Appearance seen = Appearance::light;
    const auto connection = QObject::connect(&theme, &Theme::changed, [&](Appearance a) { seen = a; });
    QLabel label("kept");
    Theme::setRole(&label, "meta");
    theme.setOverride(Appearance::dark);
    const auto state = [&] {
        label.ensurePolished();
        return std::tuple(label.palette().color(label.foregroundRole()).rgb(), seen,
                          QApplication::palette().color(QPalette::Window).rgb(),
                          qApp->styleSheet().contains("#0b0d12"));
    };
    EXPECT_EQ(state(), std::tuple(0xFF9DA7B8u, Appearance::dark, 0xFF0B0D12u, true));
    theme.setOverride(Appearance::light);
    EXPECT_EQ(state(),
              std::tuple(0xFF697184u, Appearance::light, 0xFFF5F6FAu, false)); // the same label, restyled
    QObject::disconnect(connection);
}

const QString noChain = "Copy a token / payload / error, then Inspect Clipboard.";
const QString unrecognized = "Not recognized \u2014 open Tindrel for the full result or more context.";

// Plain words of exactly `length` characters, as Base64: one step whose final value is those words.
std::string encodedWords(int length) {
    QByteArray words;
    while (words.size() < length)
        words += "the quick brown fox jumps over the lazy dog ";
    words.truncate(length);
    words[length - 1] = '.';
    return words.toBase64().toStdString();
}

struct Tray : ::testing::Test, tindrel::testing::ModelRig {
    InspectorModel& model = start();
    TrayController controller{model, *pasteboard};
    TrayPanel& panel = *controller.panel();

    ~Tray() override { panel.hide(); }
    bool previewShown() const { return panel.valueView()->isVisibleTo(&panel); }
    QStringList texts() const { return visibleLabelTexts(&panel); }
};

// Where the cut falls is the tray preview's own test; here only that the panel shows the cut and copies all.
TEST_F(Tray, PanelShowsTheFallbackThatMatchesTheModelOrTheShapeAndTheCutValueButCopiesItWhole) {
    EXPECT_EQ(controller.icon() != nullptr, QSystemTrayIcon::isSystemTrayAvailable());
    EXPECT_FALSE(controller.isShown() || previewShown());
    EXPECT_TRUE(texts().contains(noChain));
    model.setInput("just some plain words here");
    ASSERT_TRUE(model.chain() && !model.chain()->isRecognized());
    EXPECT_TRUE(texts().contains(unrecognized) && !texts().contains(noChain) && !previewShown());
    model.clearInput();
    EXPECT_TRUE(texts().contains(noChain));

    pasteboard->contents = QString::fromStdString(encodedWords(20));
    buttonTitled(&panel, "Inspect Clipboard")->click();
    EXPECT_EQ(model.input(), encodedWords(20));
    ASSERT_TRUE(model.chain() && model.chain()->isRecognized());
    EXPECT_TRUE(previewShown() && texts().contains(QString::fromStdString(model.chain()->shapeText())));
    EXPECT_FALSE(texts().contains(noChain) || texts().contains(unrecognized));

    model.setInput(encodedWords(600));
    const QString full = QString::fromStdString(model.chain()->finalValue());
    ASSERT_EQ(full.size(), 600);
    EXPECT_EQ(panel.valueView()->toPlainText(), cutToCharacters(full, TrayPreview::valueLimit));
    pasteboard->writes = 0;
    panel.copyButton()->click();
    EXPECT_EQ(std::tuple(pasteboard->contents, pasteboard->writes), std::tuple(std::optional(full), 1));
}

TEST_F(Tray, TheOpenPanelStaysOnTheScreenAsItGrowsAndTheClickThatDismissedItDoesNotReopenIt) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    controller.togglePanel();
    ASSERT_TRUE(controller.isShown() && available.contains(panel.frameGeometry()));
    controller.togglePanel();
    EXPECT_FALSE(controller.isShown());

    // Opened near the bottom with nothing inspected the panel is short; the decoded preview grows it,
    // and it moves up rather than past the screen's edge.
    QTest::qWait(TrayController::dismissClickMs + 50);
    QCursor::setPos(available.right() - 10, available.bottom() - 10);
    controller.togglePanel();
    ASSERT_TRUE(controller.isShown());
    const QRect before = panel.geometry();
    pasteboard->contents = QString::fromStdString(encodedWords(240));
    panel.inspectButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.height() > before.height(); }));
    QTest::qWait(20);
    const QRect after = panel.geometry();
    EXPECT_TRUE(available.contains(after)) << after.y() << '+' << after.height();
    EXPECT_LT(after.top(), before.top()) << "it grows upwards from the bottom edge";
    EXPECT_LT(after.bottom(), QCursor::pos().y()) << "and stays above the pointer it hangs from";

    panel.hide(); // a click outside closes a popup before the icon hears of it
    controller.togglePanel();
    EXPECT_FALSE(controller.isShown());
    QTest::qWait(TrayController::dismissClickMs + 50);
    controller.togglePanel();
    EXPECT_TRUE(controller.isShown());
}

TEST_F(Tray, CtrlShiftVInspectsTheClipboardAndOpenAndQuitAreForwarded) {
    pasteboard->contents = QString::fromStdString(encodedWords(25));
    controller.togglePanel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.inspectButton()->hasFocus(); }, 2000));
    QTest::keyClick(panel.inspectButton(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(model.input(), std::string()) << "Ctrl+V alone does not inspect";
    QTest::keyClick(panel.inspectButton(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(std::tuple(model.input(), controller.isShown()), std::tuple(encodedWords(25), true))
        << "inspecting keeps the panel open";

    QSignalSpy opened(&controller, &TrayController::openRequested);
    QSignalSpy quit(&controller, &TrayController::quitRequested);
    buttonTitled(&panel, "Open Tindrel")->click();
    EXPECT_EQ(std::tuple(opened.count(), quit.count(), controller.isShown()), std::tuple(1, 0, false));
    buttonTitled(&panel, "Quit")->click();
    EXPECT_EQ(std::tuple(opened.count(), quit.count()), std::tuple(1, 1));
}

// "x y w h" as a rectangle, "x y" as a point or a size; nothing as an empty one.
std::vector<int> numbers(const QString& cell) {
    std::vector<int> out;
    for (const QString& number : cell.split(' ', Qt::SkipEmptyParts))
        out.push_back(number.toInt());
    out.resize(4);
    return out;
}

TEST(TrayPanelPosition, BesideTheIconAndOnTheScreen) {
    const QRect small(0, 0, 1280, 800);
    for (const QStringList& row : dataRows("tray-positions.tsv")) {
        const auto [icon, cursor, available, size, expected] =
            std::tuple(numbers(row[0]), numbers(row[1]), numbers(row[2]), numbers(row[3]), numbers(row[4]));
        const QRect iconRect(icon[0], icon[1], icon[2], icon[3]),
            area(available[0], available[1], available[2], available[3]);
        const QSize panel(size[0], size[1]);
        const QPoint at = trayPanelPosition(iconRect, {cursor[0], cursor[1]}, panel, area);
        EXPECT_EQ(at, QPoint(expected[0], expected[1])) << row[0].toStdString();
        if (panel.height() < area.height()) {
            EXPECT_TRUE(area.contains(QRect(at, panel)) && !QRect(at, panel).intersects(iconRect)) << icon[0];
        }
    }
    // Wherever the icon sits along any edge and however tall the panel grows, it stays on the screen
    // and off its icon.
    std::vector<QRect> icons;
    for (int x = 0; x + 22 <= small.width(); x += 37)
        icons.insert(icons.end(), {QRect(x, 0, 22, 22), QRect(x, small.height() - 22, 22, 22)});
    for (int y = 0; y + 22 <= small.height(); y += 29)
        icons.insert(icons.end(), {QRect(0, y, 22, 22), QRect(small.width() - 22, y, 22, 22)});
    for (int height = 80; height <= 700; height += 45)
        for (const QRect& icon : icons) {
            const QRect placed(trayPanelPosition(icon, {}, {340, height}, small), QSize(340, height));
            ASSERT_TRUE(small.contains(placed) && !placed.intersects(icon))
                << icon.x() << ',' << icon.y() << " height " << height;
        }
}

// The icon drawn `side` pixels square, its corners see-through.
QImage iconImage(const QIcon& icon, int side) {
    QImage image = icon.pixmap(QSize(side, side)).toImage();
    EXPECT_EQ(image.size(), QSize(side, side));
    for (const QPoint& corner :
         {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << side;
    return image;
}

// Trays draw the icon as it is, on panels of any shade: on each the outline stands out clearly, the
// inside of the ring and the corners are the panel itself.
TEST(Icons, EveryTrayIconSizeStandsOutOnAnyPanelInItsOwnColoursAndTheAppIconIsABrandTile) {
    const QIcon icon = MenuBarIcon::image();
    EXPECT_FALSE(icon.isMask()) << "a mask would let a tray tint it into its own panel colour";
    QList<QSize> expected;
    for (int side : MenuBarIcon::sizes)
        expected << QSize(side, side);
    EXPECT_EQ(icon.availableSizes(), expected);
    for (int side : MenuBarIcon::sizes) {
        const QImage image = iconImage(icon, side);
        EXPECT_EQ(image.pixelColor(side / 2, side / 2).alpha(), 0) << side << ": an outline, not a disc";
        const double scale = side / MenuBarIcon::designSide;
        const int reach = int(std::ceil(scale * (MenuBarIcon::strokeWidth / 2 + MenuBarIcon::rimWidth)));
        for (const char* shade : {"#000000", "#FFFFFF", "#7F7F7F", "#2B2F50", "#DDE1EA", "#C97716"}) {
            const QColor background(QString::fromLatin1(shade));
            QImage shown(side, side, QImage::Format_ARGB32_Premultiplied);
            shown.fill(background);
            QPainter(&shown).drawImage(0, 0, image);
            int strongest = 0; // around points of the curve, as far as the stroke and its rim reach
            for (double t = 0; t < 1; t += 0.125) {
                const QPointF at = MenuBarIcon::outline().pointAtPercent(t) * scale;
                const QPoint p(int(at.x()), int(at.y()));
                for (int dx = -reach; dx <= reach; ++dx)
                    for (int dy = -reach; dy <= reach; ++dy)
                        strongest =
                            std::max(strongest, std::abs(shown.pixelColor(p + QPoint(dx, dy)).lightness() -
                                                         background.lightness()));
            }
            EXPECT_GT(strongest, 90) << side << " px on " << shade;
        }
    }

    for (int side : DesktopIdentity::iconSizes) {
        const QColor middle = iconImage(DesktopIdentity::icon(), side).pixelColor(side / 2, side / 2);
        EXPECT_TRUE(middle.alpha() == 255 && middle.blue() > middle.green() + 60)
            << side << ": the brand's blue-violet";
    }
}

} // namespace
