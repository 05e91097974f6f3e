#pragma once

#include "TindrelAppUI/style/Symbols.h"

#include <QLabel>
#include <QString>
#include <optional>

class QLayout;

namespace tindrel {

// A symbol `side` pixels square, drawn in the colours of the appearance in force whenever it is
// painted, so it follows a switch between light and dark like the text beside it.
class SymbolLabel final : public QWidget {
    Q_OBJECT
public:
    explicit SymbolLabel(std::optional<Symbol> which, int side, QWidget* parent = nullptr);

    void setSymbol(std::optional<Symbol> which);
    std::optional<Symbol> shownSymbol() const { return which_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<Symbol> which_;
};

// One line of text that ends in "…" where it is cut to the width it is given, rather than being
// clipped mid-character. The whole text is the tooltip.
class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    ElidedLabel(const QString& text, const char* role);

    // The text as drawn at the current width.
    QString shownText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString full_;
};

// A label styled by its role; `selectable` lets the user copy the text with the mouse. A text of more
// than 2000 UTF-16 units shows its start and "…".
QLabel* makeLabel(const QString& text, const char* role, bool selectable = false);
// A plain frame styled by its role.
QWidget* makeFrame(const char* role);
// Deletes every item of the layout together with its widgets and nested layouts.
void clearLayout(QLayout* layout);

} // namespace tindrel
