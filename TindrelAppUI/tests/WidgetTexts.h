#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace tindrel::testing_support {

// The texts of the labels under `root` that are not hidden (relative to `root`), in creation order.
inline QStringList visibleLabelTexts(const QWidget* root) {
    QStringList texts;
    for (const QLabel* label : root->findChildren<QLabel*>())
        if (label->isVisibleTo(root) && !label->text().isEmpty()) texts << label->text();
    return texts;
}

// Those of `expected` that no visible label under `root` shows.
inline QStringList missingTexts(const QWidget* root, const QStringList& expected) {
    const QStringList shown = visibleLabelTexts(root);
    QStringList missing;
    for (const QString& text : expected)
        if (!shown.contains(text)) missing << text;
    return missing;
}

// The first button under `root` with that exact title, or null.
inline QAbstractButton* buttonTitled(const QWidget* root, const QString& title) {
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (button->text() == title) return button;
    return nullptr;
}

} // namespace tindrel::testing_support
