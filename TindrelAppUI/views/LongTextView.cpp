#include "TindrelAppUI/views/LongTextView.h"

#include <QMimeData>
#include <QTextBlock>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>

namespace tindrel {
namespace {

// The block state marking a block that carries on the line of the block before it.
constexpr int continuation = 1;

// Where QTextDocument starts a new block: "\r\n" counts once, a lone "\r" too.
constexpr std::array<char16_t, 3> blockEnds = {u'\n', u'\r', QChar::ParagraphSeparator};

QTextOption::WrapMode wrapModeFor(qsizetype longestLine) {
    return longestLine > LongTextView::wordWrapLine ? QTextOption::WrapAnywhere
                                                    : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

// Walks the lines of a text by searching for each kind of block end, which Qt does many characters
// at a time; a preview holds hundreds of thousands of them.
class Lines {
public:
    struct Line {
        qsizetype start;
        qsizetype end;   // where its block end is, or the end of the text
        qsizetype after; // past its block end
    };

    explicit Lines(QStringView text)
        : text_(text) {
        for (std::size_t kind = 0; kind < blockEnds.size(); ++kind)
            next_[kind] = find(kind, 0);
    }

    // Nothing after the last line.
    std::optional<Line> next() {
        if (start_ > text_.size()) return std::nullopt;
        const qsizetype end = *std::min_element(next_.begin(), next_.end());
        qsizetype after = end + 1;
        if (end < text_.size() && text_[end] == u'\r' && after < text_.size() && text_[after] == u'\n')
            ++after;
        const Line line{start_, end, after};
        start_ = after;
        for (std::size_t kind = 0; kind < blockEnds.size(); ++kind)
            if (next_[kind] < after) next_[kind] = find(kind, after);
        return line;
    }

private:
    qsizetype find(std::size_t kind, qsizetype from) const {
        const qsizetype at = text_.indexOf(QChar(blockEnds[kind]), from);
        return at < 0 ? text_.size() : at;
    }

    QStringView text_;
    std::array<qsizetype, blockEnds.size()> next_{};
    qsizetype start_ = 0;
};

} // namespace

DisplayText displayText(QStringView text, qsizetype segment) {
    DisplayText out;
    out.text.reserve(text.size() + text.size() / segment + 1);
    int block = 0;
    Lines lines(text);
    while (std::optional<Lines::Line> line = lines.next()) {
        out.longestLine = std::max(out.longestLine, line->end - line->start);
        qsizetype start = line->start;
        while (line->end - start > segment) {
            qsizetype cut = start + segment;
            if (text[cut].isLowSurrogate()) ++cut; // never between the halves of one character
            out.text += text.sliced(start, cut - start);
            out.text += u'\n';
            out.continuationBlocks.push_back(++block);
            start = cut;
        }
        out.text += text.sliced(start, std::min(line->after, text.size()) - start);
        ++block;
    }
    return out;
}

qsizetype longestLineOf(QStringView text) {
    qsizetype longest = 0;
    Lines lines(text);
    while (std::optional<Lines::Line> line = lines.next())
        longest = std::max(longest, line->end - line->start);
    return longest;
}

LongTextView::LongTextView(QWidget* parent)
    : QPlainTextEdit(parent) {
    setReadOnly(true);
}

void LongTextView::showText(const QString& text) {
    showPreview(BoundedText::preview(text), [text] { return text; });
}

void LongTextView::showText(const std::shared_ptr<const std::string>& utf8) {
    BoundedText::Preview shown = BoundedText::preview(*utf8);
    if (!shown.isCut()) {
        showPreview(shown, [text = shown.shown] { return text; });
        return;
    }
    showPreview(std::move(shown), [utf8] { return QString::fromStdString(*utf8); });
}

void LongTextView::showPreview(BoundedText::Preview preview, Source whole) {
    DisplayText display = displayText(preview.shown, segment);
    preview_ = std::move(preview);
    whole_ = std::move(whole);
    segmented_ = true;
    longestLine_ = display.longestLine;
    setWordWrapMode(wrapModeFor(longestLine_));
    setPlainText(display.text);
    for (int number : display.continuationBlocks)
        document()->findBlockByNumber(number).setUserState(continuation);
}

void LongTextView::showPlain(const QString& text) {
    preview_ = {};
    whole_ = nullptr;
    segmented_ = false;
    longestLine_ = longestLineOf(text);
    setWordWrapMode(wrapModeFor(longestLine_));
    setPlainText(text);
}

QMimeData* LongTextView::createMimeDataFromSelection() const {
    if (!segmented_) return QPlainTextEdit::createMimeDataFromSelection();
    auto* copied = new QMimeData;
    copied->setText(copiedText());
    return copied;
}

QString LongTextView::copiedText() const {
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    if (start == 0 && end >= document()->characterCount() - 1) return whole_();
    QString text;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (block.position() > start && block.userState() != continuation) text += u'\n';
        const int from = std::max(start - block.position(), 0);
        const int to = std::min(end - block.position(), block.length() - 1);
        text += block.text().mid(from, to - from);
    }
    return text.replace(QChar::LineSeparator, u'\n');
}

} // namespace tindrel
