#include "ModelFakes.h"
#include "TindrelAppUI/inspector/ExportDump.h"
#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/inspector/LaunchFlags.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/formats/JSONUtil.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tindrel {
namespace {

struct ParseCase {
    const char* name;
    QStringList arguments;
    LaunchFlags expected;
};

LaunchFlags flags(bool seed, bool autoload, bool scan, bool clipboard, std::optional<QString> dump = {},
                  std::optional<QString> ask = {}) {
    return {seed, autoload, scan, clipboard, std::move(dump), std::move(ask)};
}

class LaunchFlagParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(LaunchFlagParsing, MatchesWholeArguments) {
    EXPECT_EQ(LaunchFlags::parse(GetParam().arguments), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, LaunchFlagParsing,
    ::testing::Values(ParseCase{"none", {"tindrel-app"}, flags(false, false, false, false)},
                      ParseCase{
                          "switches",
                          {"app", "--scan", "--seed-history", "--inspect-clipboard", "--autoload-sample"},
                          flags(true, true, true, true)},
                      ParseCase{"wholeOnly",
                                {"app", "--scanner", "--Scan", "-scan", "--seed-history=1"},
                                flags(false, false, false, false)},
                      ParseCase{"values",
                                {"app", "--dump-export", "/tmp/x.md", "--ask", "what is it?"},
                                flags(false, false, false, false, "/tmp/x.md", "what is it?")},
                      ParseCase{"firstCounts",
                                {"app", "--ask", "one", "--ask", "two"},
                                flags(false, false, false, false, {}, "one")},
                      ParseCase{"valueMayLookLikeAFlag",
                                {"app", "--ask", "--scan"},
                                flags(false, false, true, false, {}, "--scan")},
                      ParseCase{"missingValue", {"app", "--dump-export"}, flags(false, false, false, false)},
                      ParseCase{"programNameIsNoFlag", {"--scan"}, flags(false, false, true, false)}),
    [](const auto& param) { return std::string(param.param.name); });

class LaunchFlagEffects : public ::testing::Test {
protected:
    LaunchFlagEffects() {
        services_.explanations = fake_;
        services_.pasteboard = pasteboard_;
        services_.askDelayMilliseconds = 0;
        services_.mediumDate = [](std::int64_t) { return std::optional<std::string>("Nov 14, 2023"); };
    }

    ~LaunchFlagEffects() override {
        fake_->releaseAll();
        testing::settle(*fake_);
    }

    InspectorModel& start(QStringList arguments) {
        arguments.prepend("tindrel-app");
        model_ = std::make_unique<InspectorModel>(defaults_, arguments, services_);
        return *model_;
    }

    QString path(const char* name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    MemoryDefaults defaults_;
    std::shared_ptr<testing::FakeExplanations> fake_ = std::make_shared<testing::FakeExplanations>();
    std::shared_ptr<testing::FakePasteboard> pasteboard_ = std::make_shared<testing::FakePasteboard>();
    InspectorServices services_;
    std::unique_ptr<InspectorModel> model_;
};

struct InputCase {
    const char* name;
    QStringList arguments;
    std::string_view expected;
};

class LaunchInputs : public LaunchFlagEffects, public ::testing::WithParamInterface<InputCase> {};

TEST_P(LaunchInputs, LoadTheSample) {
    EXPECT_EQ(start(GetParam().arguments).input(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, LaunchInputs,
    ::testing::Values(InputCase{"token", {"--autoload-sample"}, Samples::token},
                      InputCase{"logWithScan", {"--autoload-sample", "--scan"}, Samples::log},
                      InputCase{"scanAlone", {"--scan"}, Samples::log}, InputCase{"nothing", {}, ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LaunchFlagEffects, InspectClipboardWinsOverTheSample) {
    pasteboard_->contents = "1733556842";
    EXPECT_EQ(start({"--autoload-sample", "--inspect-clipboard"}).input(), "1733556842");
}

TEST_F(LaunchFlagEffects, SeededHistoryIsShownButNotStored) {
    InspectorModel& m = start({"--seed-history"});
    const auto& entries = m.history().entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].input, "1733556842");
    EXPECT_EQ(entries[0].timestamp, 1733000002);
    EXPECT_TRUE(entries[1].input.starts_with("%257B"));
    EXPECT_EQ(entries[2].timestamp, 1733000000);
    EXPECT_EQ((std::vector<std::string>{"jwt", "json"}), entries[2].shape);
    EXPECT_EQ((std::vector<std::string>{"url", "url", "json"}), entries[1].shape);
    EXPECT_FALSE(defaults_.data(InspectorModel::historyKey).has_value());
    m.setInput("eyJ1c2VyIjoiYWRhIn0=");
    std::optional<QByteArray> stored = defaults_.data(InspectorModel::historyKey);
    ASSERT_TRUE(stored);
    EXPECT_EQ(InspectionHistory::decoded(stored->toStdString()).entries().size(), 4u);
}

TEST_F(LaunchFlagEffects, DumpExportWritesMarkdownThenJSON) {
    start({"--autoload-sample", "--dump-export", path("dump.txt")});
    QFile file(path("dump.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::string text = file.readAll().toStdString();
    std::size_t separator = text.find("\n=== JSON ===\n");
    ASSERT_NE(separator, std::string::npos);
    std::string markdown = text.substr(0, separator);
    EXPECT_TRUE(markdown.starts_with("# JWT"));
    EXPECT_NE(markdown.find("- Reject this token"), std::string::npos);
    std::optional<nlohmann::json> json = JSONUtil::parse(text.substr(separator + 14));
    ASSERT_TRUE(json);
    EXPECT_EQ((*json)["input"], Samples::token);
    EXPECT_EQ(text, ExportDump::text(*model_->insightChain(), services_.mediumDate));
}

TEST_F(LaunchFlagEffects, DumpExportNeedsAChainInFocus) {
    start({"--dump-export", path("none.txt")});
    EXPECT_FALSE(QFile::exists(path("none.txt")));
    start({"--scan", "--dump-export", path("scan.txt")});
    EXPECT_TRUE(QFile::exists(path("scan.txt")));
}

TEST_F(LaunchFlagEffects, FailedDumpIsIgnored) {
    QString target = path("missing-folder/dump.txt");
    InspectorModel& m = start({"--autoload-sample", "--dump-export", target});
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(m.input(), Samples::token);
    EXPECT_FALSE(ExportDump::writeAtomically(dir_.path(), "replaces a folder"));
    EXPECT_TRUE(QFileInfo(dir_.path()).isDir());
}

TEST_F(LaunchFlagEffects, AskQuestionAfterTheDelay) {
    InspectorModel& m = start({"--autoload-sample", "--ask", "  who is it for? "});
    EXPECT_TRUE(m.followUps().empty());
    ASSERT_TRUE(testing::waitUntil([&] { return !m.followUps().empty() && m.followUps()[0].answer; }));
    EXPECT_EQ(m.followUps()[0].question, "who is it for?");
}

TEST_F(LaunchFlagEffects, AskWithoutAChainDoesNothing) {
    InspectorModel& m = start({"--ask", "anything?"});
    testing::settle(*fake_);
    EXPECT_TRUE(m.followUps().empty());
}

} // namespace
} // namespace tindrel
