#pragma once

#include "TindrelAppUI/inspector/BoundedText.h"

#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tindrel {

// The text a view shows for a text that may be of any size. Qt lays out a block (a line) all at
// once, in time growing with its length, and only the blocks it draws; so lines longer than
// `segment` are broken into blocks of their own here, which keeps every block quick.
struct DisplayText {
    QString text;                        // the text with a line break after every segment
    std::vector<int> continuationBlocks; // numbers of the blocks that carry on the line before
    qsizetype longestLine = 0;           // in UTF-16 units, before breaking
};
DisplayText displayText(QStringView text, qsizetype segment);
// The length of the longest line, in UTF-16 units.
qsizetype longestLineOf(QStringView text);

// A read-only view of a text of any size: at most BoundedText::previewBytes of it are shown, long
// lines wrap anywhere, and copying everything copies the whole text, copying a part that part
// without the breaks added for display.
class LongTextView : public QPlainTextEdit {
    Q_OBJECT
public:
    // Gives the whole text, only when it is copied.
    using Source = std::function<QString()>;

    static constexpr qsizetype segment = 4096;
    // Past this a line wraps anywhere: breaking at word boundaries costs time growing with the square
    // of a line's length when there are none, as in tokens and payloads.
    static constexpr qsizetype wordWrapLine = 1024;

    explicit LongTextView(QWidget* parent = nullptr);

    void showText(const QString& text);
    // Shared, as a payload of megabytes is better not copied for each view of it.
    void showText(const std::shared_ptr<const std::string>& utf8);
    const BoundedText::Preview& preview() const { return preview_; }
    // Of the part shown, in UTF-16 units.
    qsizetype longestLine() const { return longestLine_; }

protected:
    // Shows `preview`, the start of the text `whole` gives (or all of it).
    void showPreview(BoundedText::Preview preview, Source whole);
    // An ordinary document, as the editor holds a text that is being edited; no preview.
    void showPlain(const QString& text);
    QMimeData* createMimeDataFromSelection() const override;

private:
    QString copiedText() const;

    BoundedText::Preview preview_;
    Source whole_;
    bool segmented_ = false;
    qsizetype longestLine_ = 0;
};

} // namespace tindrel
