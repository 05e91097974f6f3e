#include "TindrelAppUI/tray/TrayPreview.h"

#include <QTextBoundaryFinder>

namespace tindrel {

QString cutToCharacters(const QString& text, int limit) {
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    int counted = 0;
    while (counted < limit && characters.toNextBoundary() != -1)
        ++counted;
    const qsizetype end = counted < limit ? text.size() : characters.position();
    if (end >= text.size()) return text;
    return text.left(end) + QChar(0x2026);
}

TrayPreview TrayPreview::of(const DecodeChain* chain) {
    TrayPreview preview;
    if (!chain) {
        preview.message = QString::fromUtf8(noChainText);
        return preview;
    }
    if (!chain->isRecognized()) {
        preview.state = State::unrecognized;
        preview.message = QString::fromUtf8(unrecognizedText);
        return preview;
    }
    preview.state = State::recognized;
    preview.shape = QString::fromStdString(chain->shapeText());
    preview.fullValue = QString::fromStdString(chain->finalValue());
    preview.shownValue = cutToCharacters(preview.fullValue, valueLimit);
    return preview;
}

} // namespace tindrel
