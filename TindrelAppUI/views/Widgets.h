#pragma once

#include <QLabel>
#include <QString>

class QLayout;

namespace tindrel {

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

// A label styled by its role; `selectable` lets the user copy the text with the mouse.
QLabel* makeLabel(const QString& text, const char* role, bool selectable = false);
// A plain frame styled by its role.
QWidget* makeFrame(const char* role);
// Deletes every item of the layout together with its widgets and nested layouts.
void clearLayout(QLayout* layout);

} // namespace tindrel
