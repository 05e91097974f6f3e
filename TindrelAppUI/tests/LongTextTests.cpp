#include "TindrelAppUI/inspector/BoundedText.h"
#include "TindrelAppUI/views/LongTextView.h"
#include "TindrelAppUI/views/result/SourceStrip.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

QString copiedFrom(LongTextView& view, int start, int end) {
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    view.copy();
    return QGuiApplication::clipboard()->text();
}

} // namespace

TEST(BoundedText, SizesReadAsPeopleSayThem) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {1, "1 byte"},        {512, "512 bytes"},    {1024, "1 KiB"},
        {1536, "1.5 KiB"},    {16 * 1024, "16 KiB"}, {100000, "98 KiB"},
        {5000000, "4.8 MiB"}, {20000000, "19 MiB"},  {3ull << 30, "3 GiB"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(BoundedText::sizeText(bytes), QString::fromUtf8(text)) << bytes;
    EXPECT_EQ(BoundedText::keptPartNote(16 * 1024, 300 * 1024),
              QString::fromUtf8("\u2026 (first 16 KiB of 300 KiB)"));
}

TEST(BoundedText, PreviewEndsBeforeTheFirstCharacterPastTheBound) {
    struct Case {
        const char* text;
        const char* shown;
        std::uint64_t wholeBytes;
    } cases[] = {
        {"abcdefghij", "abcdefghij", 10},
        {"abcdefghijk", "abcdefghij", 11},
        {"abcdefghi\u00e9", "abcdefghi", 11},    // "é" straddles the bound
        {"abcdefgh\U0001F600x", "abcdefgh", 13}, // so does a character of two UTF-16 units
        {"\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9", "\u00e9\u00e9\u00e9\u00e9\u00e9", 12},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QString shown = QString::fromUtf8(c.shown);
        for (const BoundedText::Preview& preview :
             {BoundedText::preview(text, 10), BoundedText::preview(std::string_view(c.text), 10)}) {
            EXPECT_EQ(preview.shown, shown) << c.text;
            EXPECT_EQ(preview.shownBytes, std::uint64_t(shown.toUtf8().size())) << c.text;
            EXPECT_EQ(preview.wholeBytes, c.wholeBytes) << c.text;
            EXPECT_EQ(preview.notice().has_value(), shown != text) << c.text;
        }
    }
    const std::string large(5000000, 'x');
    EXPECT_EQ(BoundedText::preview(std::string_view(large)).notice(),
              QString("Showing the first 256 KiB of 4.8 MiB"));
}

TEST(LongTextView, LongLinesAreBrokenIntoBlocksOfTheirOwn) {
    struct Case {
        const char* text;
        const char* display;
        std::vector<int> continuations;
        qsizetype longest;
    } cases[] = {
        {"abcdefghij", "abcd\nefgh\nij", {1, 2}, 10},
        {"ab\ncdefgh", "ab\ncdef\ngh", {2}, 6},
        {"ab\r\ncdefg", "ab\r\ncdef\ng", {2}, 5},       // "\r\n" ends one block
        {"a\rbcdefg", "a\rbcde\nfg", {2}, 6},           // so does a lone "\r"
        {"abc\U0001F600d", "abc\U0001F600\nd", {1}, 6}, // never between the halves of a character
        {"abcd\nefgh", "abcd\nefgh", {}, 4},
    };
    for (const Case& c : cases) {
        const DisplayText display = displayText(QString::fromUtf8(c.text), 4);
        EXPECT_EQ(display.text, QString::fromUtf8(c.display)) << c.text;
        EXPECT_EQ(display.continuationBlocks, c.continuations) << c.text;
        EXPECT_EQ(display.longestLine, c.longest) << c.text;
        EXPECT_EQ(longestLineOf(QString::fromUtf8(c.text)), c.longest) << c.text;
    }
}

TEST(LongTextView, CopyingGivesTheTextNotTheBreaksAddedForDisplay) {
    LongTextView view;
    const QString text = QString(10000, QChar(u'x')) + "\nyz";
    view.showText(text);
    ASSERT_GT(view.document()->blockCount(), 2) << "the long line is shown in blocks";
    // Document positions count the two breaks added at 4096 and 8192.
    EXPECT_EQ(copiedFrom(view, 4090, 4100), QString(9, QChar(u'x')));
    EXPECT_EQ(copiedFrom(view, 10000 + 2 - 3, 10000 + 2 + 2), "xxx\ny");
    view.selectAll();
    view.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);

    const QString large = QString(300 * 1024, QChar(u'z'));
    view.showText(large);
    EXPECT_EQ(view.preview().notice(), QString("Showing the first 256 KiB of 300 KiB"));
    view.selectAll();
    view.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), large) << "all of the view copies all of the text";
}

TEST(SourceStrip, EditsWhatItCanLayOutAndShowsTheStartOfTheRest) {
    const QString longLine(InputEditor::editableLine + 1, QChar(u'L'));
    struct Case {
        const char* name;
        QString text;
        bool editable;
        std::optional<QString> notice;
    } cases[] = {
        {"short", "eyJhbGciOiJIUzI1NiJ9", true, std::nullopt},
        {"many short lines", QString("line\n").repeated(20000), true, std::nullopt},
        {"one long line", longLine, false,
         QString::fromUtf8("Too long to edit here \u2014 paste to replace it")},
        {"past the preview", QString(300 * 1024, QChar(u'P')), false, "Showing the first 256 KiB of 300 KiB"},
    };
    for (const Case& c : cases) {
        SourceStrip strip;
        strip.setInput(c.text);
        EXPECT_EQ(!strip.editor()->isReadOnly(), c.editable) << c.name;
        EXPECT_EQ(strip.notice(), c.notice) << c.name;
        EXPECT_EQ(strip.editor()->wholeText(), c.text) << c.name;
    }
}

TEST(SourceStrip, PastesHandOnTheWholeTextTheyMake) {
    SourceStrip strip;
    QSignalSpy typed(&strip, &SourceStrip::inputEdited);
    QSignalSpy pasted(&strip, &SourceStrip::inputPasted);
    InputEditor* editor = strip.editor();
    QTest::keyClicks(editor, "ab");
    EXPECT_EQ(typed.count(), 2);
    EXPECT_EQ(typed.last().at(0).toString(), "ab");

    QGuiApplication::clipboard()->setText("12");
    editor->moveCursor(QTextCursor::Start);
    editor->paste();
    ASSERT_EQ(pasted.count(), 1);
    EXPECT_EQ(pasted.last().at(0).toString(), "12ab");
    EXPECT_EQ(editor->toPlainText(), "12ab");
    EXPECT_EQ(typed.count(), 2) << "a paste is not typing";

    // Too large to insert: the editor is left as it was and the whole text goes on.
    const QString large(InputEditor::editableLine * 2, QChar(u'Q'));
    QGuiApplication::clipboard()->setText(large);
    editor->paste();
    ASSERT_EQ(pasted.count(), 2);
    EXPECT_EQ(pasted.last().at(0).toString(), "12" + large + "ab");
    EXPECT_EQ(editor->toPlainText(), "12ab");

    // Read-only, a paste replaces the whole text.
    strip.setInput(large);
    QGuiApplication::clipboard()->setText("fresh");
    QTest::keySequence(editor, QKeySequence::Paste);
    ASSERT_EQ(pasted.count(), 3);
    EXPECT_EQ(pasted.last().at(0).toString(), "fresh");
}
