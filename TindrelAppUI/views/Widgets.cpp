#include "TindrelAppUI/views/Widgets.h"

#include "TindrelAppUI/style/Theme.h"

#include <QFrame>
#include <QLayout>
#include <QPainter>
#include <QStyle>

namespace tindrel {
namespace {

// Labels hold short texts, but some show a decoded value, which can be of any size; laying out a long
// one without spaces to break at takes time growing with the square of its length.
constexpr qsizetype labelCharacters = 2000;

QString withinLabelBound(const QString& text) {
    if (text.size() <= labelCharacters) return text;
    qsizetype end = labelCharacters;
    if (text.at(end).isLowSurrogate()) --end;
    return text.first(end) + QChar(0x2026);
}

} // namespace

SymbolLabel::SymbolLabel(std::optional<Symbol> which, int side, QWidget* parent)
    : QWidget(parent)
    , which_(which) {
    setFixedSize(side, side);
}

void SymbolLabel::setSymbol(std::optional<Symbol> which) {
    which_ = which;
    update();
}

void SymbolLabel::paintEvent(QPaintEvent*) {
    if (!which_) return;
    QPainter painter(this);
    symbol(*which_).paint(&painter, rect());
}

ElidedLabel::ElidedLabel(const QString& text, const char* role)
    : QLabel(text)
    , full_(text) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    Theme::setRole(this, role);
    setToolTip(text);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString ElidedLabel::shownText() const {
    return fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QChar(0x2026)) * 4, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          shownText(), foregroundRole());
}

QLabel* makeLabel(const QString& text, const char* role, bool selectable) {
    auto* label = new QLabel(withinLabelBound(text));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    Theme::setRole(label, role);
    if (selectable) label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QWidget* makeFrame(const char* role) {
    auto* frame = new QFrame;
    Theme::setRole(frame, role);
    return frame;
}

void clearLayout(QLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* widget = item->widget()) delete widget;
        if (QLayout* nested = item->layout()) clearLayout(nested);
        delete item;
    }
}

} // namespace tindrel
