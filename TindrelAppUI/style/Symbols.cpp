#include "TindrelAppUI/style/Symbols.h"

#include "TindrelAppUI/style/Glyphs.h"
#include "TindrelAppUI/style/Theme.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace tindrel {
namespace {

// Draws the glyph afresh at every size and in the appearance of the moment it is asked for.
class GlyphEngine final : public QIconEngine {
public:
    explicit GlyphEngine(Symbol which)
        : which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = render(rect.size() * ratio, mode);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override { return render(size, mode); }

    QIconEngine* clone() const override { return new GlyphEngine(which_); }
    QString key() const override { return QStringLiteral("tindrel.glyph"); }

private:
    QPixmap render(const QSize& size, QIcon::Mode mode) const {
        QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        const double side = std::min(size.width(), size.height());
        painter.translate((size.width() - side) / 2, (size.height() - side) / 2);
        painter.scale(side / Glyphs::designSide, side / Glyphs::designSide);
        Glyphs::draw(painter, which_, symbolInk(which_, mode, Theme::shared().appearance()));
        painter.end();
        return QPixmap::fromImage(std::move(canvas));
    }

    Symbol which_;
};

struct NamedSymbol {
    QStringView name;
    Symbol symbol;
};

constexpr NamedSymbol namedSymbols[] = {
    {u"doc.on.clipboard", Symbol::clipboard},
    {u"wand.and.stars", Symbol::sample},
    {u"xmark.circle", Symbol::clearInput},
    {u"doc.on.doc", Symbol::copy},
    {u"text.quote", Symbol::quote},
    {u"doc.richtext", Symbol::richText},
    {u"curlybraces", Symbol::braces},
    {u"doc.text.magnifyingglass", Symbol::logScan},
    {u"arrow.uturn.backward", Symbol::undo},
    {u"clock.badge.xmark", Symbol::clearHistory},
    {u"clock.arrow.circlepath", Symbol::history},
    {u"gearshape", Symbol::settings},
    {u"magnifyingglass", Symbol::search},
    {u"checkmark.circle.fill", Symbol::check},
    {u"exclamationmark.triangle.fill", Symbol::warning},
};

} // namespace

std::optional<Symbol> symbolNamed(QStringView name) {
    for (const NamedSymbol& entry : namedSymbols)
        if (entry.name == name) return entry.symbol;
    return std::nullopt;
}

QIcon symbol(QStringView name) {
    const std::optional<Symbol> which = symbolNamed(name);
    return which ? symbol(*which) : QIcon();
}

QIcon symbol(Symbol which) {
    return QIcon(new GlyphEngine(which));
}

QColor symbolInk(Symbol which, QIcon::Mode mode, Appearance appearance) {
    using namespace TindrelColor;
    QColor ink;
    if (which == Symbol::warning)
        ink = warning.resolved(appearance);
    else if (which == Symbol::critical)
        ink = danger.resolved(appearance);
    else if (which == Symbol::check)
        ink = success.resolved(appearance);
    else
        ink = (mode == QIcon::Active || mode == QIcon::Selected ? textPrimary : textSecondary)
                  .resolved(appearance);
    if (mode == QIcon::Disabled) ink.setAlphaF(0.45f);
    return ink;
}

} // namespace tindrel
