#include "TindrelAppUI/platform/Pasteboard.h"
#include "TindrelAppUI/views/CopyButton.h"
#include "TindrelAppUI/views/result/ExportMenu.h"
#include "TindrelAppUI/views/result/FollowUpSection.h"
#include "TindrelAppUI/views/result/HistoryList.h"
#include "TindrelCore/Samples.h"
#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "WidgetTexts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;
using testing_support::visibleLabelTexts;

namespace {

TEST(CopyButton, WritesTheClipboardAndConfirms) {
    ClipboardPasteboard().setText("before");
    int reads = 0;
    CopyButton button("Copy explanation", [&] {
        ++reads;
        return QString::fromUtf8("caf\u00E9 \u2192 ok");
    });
    EXPECT_EQ(reads, 0);
    button.click();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(ClipboardPasteboard().text().value_or(QString()), QString::fromUtf8("caf\u00E9 \u2192 ok"));
    EXPECT_EQ(button.text(), QString("Copied"));
    QTest::qWait(CopyButton::confirmationMs + 200);
    EXPECT_EQ(button.text(), QString("Copy explanation"));
}

struct SendCase {
    const char* typed;
    bool enabled;
    const char* asked; // null: nothing is asked
};

class SendButton : public testing::TestWithParam<SendCase> {};

TEST_P(SendButton, FollowsTheTrimmedFieldText) {
    FollowUpSection section;
    QSignalSpy asked(&section, &FollowUpSection::askRequested);
    section.field()->setText(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(section.sendButton()->isEnabled(), GetParam().enabled);
    QTest::keyClick(section.field(), Qt::Key_Return);
    if (GetParam().asked) {
        ASSERT_EQ(asked.count(), 1);
        EXPECT_EQ(asked.at(0).at(0).toString(), QString::fromUtf8(GetParam().asked));
        EXPECT_TRUE(section.field()->text().isEmpty());
    } else {
        EXPECT_EQ(asked.count(), 0);
        EXPECT_EQ(section.field()->text(), QString::fromUtf8(GetParam().typed));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SendButton,
                         testing::Values(SendCase{"", false, nullptr}, SendCase{"   ", false, nullptr},
                                         SendCase{"\u00A0\u2003", false, nullptr},
                                         SendCase{"  is it expired? ", true, "is it expired?"},
                                         SendCase{"why", true, "why"}));

TEST(FollowUpSection, ShowsAnswersOrThePendingLine) {
    FollowUpSection section;
    section.setItems({{"first?", QString("yes")}, {"second?", std::nullopt}});
    const QStringList texts = visibleLabelTexts(&section);
    EXPECT_EQ(texts,
              QStringList({"first?", "yes", "second?", QString::fromUtf8("Thinking on-device\u2026")}));
    section.sendButton()->setEnabled(true);
    section.field()->setText("x");
    section.sendButton()->click();
    EXPECT_TRUE(section.field()->text().isEmpty());
}

QStringList actionTitles(const QMenu& menu) {
    QStringList titles;
    for (const QAction* action : menu.actions())
        titles << (action->isSeparator() ? QString("-") : action->text());
    return titles;
}

TEST(ExportMenu, ListsItsItemsInOrder) {
    const QStringList base = {"Copy as Markdown",
                              "Copy as JSON",
                              "Copy Markdown (redacted)",
                              "-",
                              QString::fromUtf8("Save as Markdown\u2026"),
                              QString::fromUtf8("Save as JSON\u2026")};
    EXPECT_EQ(actionTitles(ExportMenu(false)), base);
    EXPECT_EQ(actionTitles(ExportMenu(true)), base + QStringList{QString::fromUtf8("Share\u2026")});
}

TEST(ExportMenu, CopiesTheSubjectAsMarkdownOrJSON) {
    ExportMenu menu(false);
    const DecodeChain chain = Tindrel::inspect(Samples::token);
    menu.setSubject(chain, QString("EXPLAINED"));
    menu.actions().at(1)->trigger();
    EXPECT_EQ(ClipboardPasteboard().text().value_or(QString()),
              QString::fromStdString(TindrelJSON::string(chain)));
    menu.actions().at(0)->trigger();
    const QString markdown = ClipboardPasteboard().text().value_or(QString());
    EXPECT_TRUE(markdown.startsWith(QString::fromUtf8("# JWT \u2014 Expired\n\n"))) << markdown.toStdString();
    EXPECT_TRUE(markdown.contains("## Insight\nEXPLAINED\n\n"));
    EXPECT_TRUE(markdown.contains("**What to do next**\n- "));
    menu.setSubject(chain, std::nullopt);
    menu.actions().at(0)->trigger();
    EXPECT_FALSE(ClipboardPasteboard().text().value_or(QString()).contains("## Insight"));
}

TEST(ExportMenu, CopiesTheMarkdownWithoutTheSecret) {
    ExportMenu menu(false);
    const std::string token(Samples::token);
    menu.setSubject(Tindrel::inspect(Samples::token), QString::fromStdString("It quotes " + token + "."));
    menu.actions().at(2)->trigger();
    const QString markdown = ClipboardPasteboard().text().value_or(QString());
    EXPECT_TRUE(markdown.startsWith(QString::fromUtf8("# JWT \u2014 Expired\n\n"))) << markdown.toStdString();
    EXPECT_TRUE(markdown.contains("## Insight\nIt quotes <redacted JWT>.\n")) << markdown.toStdString();
    EXPECT_FALSE(markdown.contains(QString::fromStdString(token.substr(token.rfind('.')))));
    EXPECT_FALSE(markdown.contains("Ada Lovelace"));
}

TEST(HistoryList, ShowsRowsUpToTheLimitOrTheNotice) {
    HistoryList list;
    EXPECT_TRUE(visibleLabelTexts(&list).contains(
        QString::fromUtf8("Nothing yet \u2014 paste something to start your history.")));
    std::vector<HistoryEntry> entries;
    entries.emplace_back("aGVsbG8=\nsecond line", std::vector<std::string>{"base64"}, true, 3);
    entries.emplace_back("{\"a\":1}", std::vector<std::string>{"base64", "json"}, true, 2);
    entries.emplace_back("plain", std::vector<std::string>{}, false, 1);
    list.setEntries(entries, 2);
    ASSERT_EQ(list.rows()->count(), 2);
    const QStringList texts = visibleLabelTexts(&list);
    EXPECT_FALSE(
        texts.contains(QString::fromUtf8("Nothing yet \u2014 paste something to start your history.")));
    EXPECT_TRUE(texts.contains("aGVsbG8= second line"));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("base64 \u2192 json")));
    EXPECT_FALSE(texts.contains("plain"));
    QSignalSpy chosen(&list, &HistoryList::entryChosen);
    QSignalSpy cleared(&list, &HistoryList::clearRequested);
    emit list.rows()->itemClicked(list.rows()->item(1));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 1);
    testing_support::buttonTitled(&list, "Clear")->click();
    EXPECT_EQ(cleared.count(), 1);
}

} // namespace
