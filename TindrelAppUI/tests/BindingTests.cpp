#include "TindrelAppUI/inspector/InspectorBinding.h"
#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/shell/MainWindow.h"
#include "TindrelAppUI/views/result/InsightPane.h"
#include "TindrelAppUI/views/result/ResultPages.h"
#include "TindrelAppUI/views/result/ScanList.h"
#include "TindrelAppUI/views/result/SourceStrip.h"
#include "TindrelCore/Samples.h"
#include "WidgetTexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::visibleLabelTexts;

namespace {

// Answers at once and without any model, so the window settles within a few event-loop turns.
class InstantExplanations final : public ExplanationService {
public:
    bool modelAvailable() const override { return false; }
    std::string explain(const DecodeChain&, const Cancellation&) const override { return "Explained here."; }
    std::string answer(std::string_view question, const DecodeChain&, bool) const override {
        return "Answer to " + std::string(question);
    }
};

InspectorServices instantServices() {
    InspectorServices services{std::make_shared<InstantExplanations>()};
    services.settleMilliseconds = 100;
    return services;
}

struct WindowBinding : testing::Test {
    MemoryDefaults defaults;
    InspectorModel model{defaults, {}, instantServices()};
    MainWindow window{false};
    InspectorBinding binding{model, window};

    bool waitForText(QWidget* root, const QString& text) {
        return QTest::qWaitFor(
            [&] {
                binding.renderNow();
                return visibleLabelTexts(root).contains(text);
            },
            5000);
    }
};

TEST_F(WindowBinding, TypingDecodesAndTheExplanationArrives) {
    window.source()->editor()->setPlainText(QString::fromUtf8(Samples::token.data(), Samples::token.size()));
    EXPECT_EQ(model.input(), std::string(Samples::token));
    EXPECT_TRUE(model.history().entries().empty()) << "typed text is kept once it has settled";
    ASSERT_TRUE(waitForText(window.insight(), "Explained here."));
    EXPECT_EQ(window.currentPage(), window.singlePage());
    EXPECT_EQ(window.source()->chipText(), QString("JWT"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.history().entries().size() == 1; }, 3000));
}

TEST_F(WindowBinding, PastedTextIsKeptAtOnceAndLargeTextShowsItsStart) {
    QPlainTextEdit* editor = window.source()->editor();
    QGuiApplication::clipboard()->setText("1733556842");
    editor->paste();
    EXPECT_EQ(model.input(), "1733556842");
    ASSERT_EQ(model.history().entries().size(), 1u);

    // One line of 300 KiB: the model takes it whole, the editor shows its start read-only.
    const QString large = QString(300 * 1024, QChar(u'A'));
    editor->selectAll();
    QGuiApplication::clipboard()->setText(large);
    editor->paste();
    EXPECT_EQ(model.input().size(), std::size_t(large.size()));
    binding.renderNow();
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_EQ(window.source()->notice(), QString("Showing the first 256 KiB of 300 KiB"));
}

TEST_F(WindowBinding, FollowUpsGoThroughTheModel) {
    model.loadSample();
    ASSERT_TRUE(waitForText(window.insight(), "Explained here."));
    QLineEdit* field = window.insight()->followUps()->field();
    field->setText("  is it expired?  ");
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(model.followUps().size(), 1u);
    EXPECT_EQ(model.followUps().front().question, "is it expired?");
    EXPECT_TRUE(waitForText(window.insight(), "Answer to is it expired?"));
}

TEST_F(WindowBinding, ScanSelectionReachesTheModel) {
    model.setInput(std::string(Samples::log));
    binding.renderNow();
    if (window.currentPage() == window.singlePage()) window.singlePage()->logScanButton()->click();
    binding.renderNow();
    ASSERT_TRUE(model.forcedLogScan() ||
                model.presentation().kind == InspectorModel::Presentation::Kind::scan);
    window.scanList()->selectRow(1);
    EXPECT_EQ(model.selectedFinding(), 1);
    model.clearInput();
    binding.renderNow();
    EXPECT_EQ(window.currentPage(), window.emptyPage());
    EXPECT_TRUE(window.source()->editor()->toPlainText().isEmpty());
}

} // namespace
