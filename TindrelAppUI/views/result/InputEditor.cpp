#include "TindrelAppUI/views/result/InputEditor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>

namespace tindrel {

InputEditor::InputEditor(QWidget* parent)
    : LongTextView(parent) {
    setEditable(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!pasting_) emit typed(toPlainText());
    });
}

bool InputEditor::fitsEditing(const QString& text) {
    // Every UTF-16 unit is at least one UTF-8 byte, so a longer text cannot fit the preview.
    if (static_cast<std::size_t>(text.size()) > BoundedText::previewBytes) return false;
    return !BoundedText::preview(text).isCut() && longestLineOf(text) <= editableLine;
}

void InputEditor::setEditable(bool editable) {
    setReadOnly(!editable);
    if (!editable) setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void InputEditor::setWholeText(const QString& text) {
    const QSignalBlocker quiet(this);
    if (fitsEditing(text)) {
        whole_.clear();
        setEditable(true);
        showPlain(text);
        return;
    }
    whole_ = text;
    setEditable(false);
    showPreview(BoundedText::preview(text), [text] { return text; });
}

QString InputEditor::wholeText() const {
    return isReadOnly() ? whole_ : toPlainText();
}

std::optional<QString> InputEditor::notice() const {
    if (!isReadOnly()) return std::nullopt;
    if (std::optional<QString> cut = preview().notice()) return cut;
    return QString::fromUtf8(BoundedText::tooLongToEdit);
}

void InputEditor::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    const QTextCursor cursor = textCursor();
    const bool replacesAll =
        cursor.selectionStart() == 0 && cursor.selectionEnd() >= document()->characterCount() - 1;
    QString result = source->text();
    if (!replacesAll)
        result = toPlainText().replace(cursor.selectionStart(),
                                       cursor.selectionEnd() - cursor.selectionStart(), result);
    if (fitsEditing(result)) {
        pasting_ = true;
        LongTextView::insertFromMimeData(source);
        pasting_ = false;
        result = toPlainText();
    }
    emit pasted(result);
}

void InputEditor::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly() && event->matches(QKeySequence::Paste)) {
        const QString text = QGuiApplication::clipboard()->text();
        if (!text.isEmpty()) emit pasted(text);
        return;
    }
    LongTextView::keyPressEvent(event);
}

} // namespace tindrel
