#pragma once

#include "TindrelAppUI/style/Theme.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMetaEnum>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

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

// The bytes of the file at `path`, or none when it cannot be read.
inline QByteArray fileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The permission bits of `path` itself (a link is not followed), or 0 when there is nothing there.
inline unsigned mode(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    return info.st_mode & 0777;
}

// The rows of TindrelAppUI/tests/data/<name> (UTF-8): cells split at tabs, a backslash and "n" (or "r") a
// line feed (or carriage return); blank lines and lines that begin with "#" are left out.
inline std::vector<QStringList> dataRows(const QString& name) {
    QFile file(qEnvironmentVariable("TINDREL_SOURCE_DIR") + "/TindrelAppUI/tests/data/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "missing test data " << name.toStdString();
    std::vector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('#'))
            rows.push_back(line.split('\t').replaceInStrings("\\n", "\n").replaceInStrings("\\r", "\r"));
    EXPECT_FALSE(rows.empty()) << name.toStdString();
    return rows;
}

// The texts data/screen-texts.tsv lists for `place`.
inline QStringList screenTexts(const QString& place) {
    for (const QStringList& row : dataRows("screen-texts.tsv"))
        if (row.first() == place) return row.mid(1);
    ADD_FAILURE() << "no screen texts for " << place.toStdString();
    return {};
}

// The value of Qt enum or flag names such as "ControlModifier|AltModifier".
template <typename Enum> int enumValue(const QString& names) {
    bool known = false;
    const int value = QMetaEnum::fromType<Enum>().keysToValue(names.toLatin1().constData(), &known);
    EXPECT_TRUE(known) << names.toStdString();
    return value;
}

// Leaves the shared theme as the test found it; given an appearance, forces it meanwhile.
class ThemeGuard {
public:
    ThemeGuard() = default;
    explicit ThemeGuard(Appearance forced) { Theme::shared().setOverride(forced); }
    ThemeGuard(const ThemeGuard&) = delete;
    ThemeGuard& operator=(const ThemeGuard&) = delete;
    ~ThemeGuard() {
        Theme::shared().setOverride(std::nullopt);
        Theme::shared().setSystemAppearance(system_);
        Theme::shared().setOverride(override_);
    }

private:
    std::optional<Appearance> override_ = Theme::shared().overrideAppearance();
    Appearance system_ = Theme::shared().appearance();
};

} // namespace tindrel::testing_support
