#pragma once

#include <QUrl>
#include <QWidget>

namespace tindrel {

// The Privacy & About tab: where the user's data goes (nowhere), the version and the web links.
class AboutSettingsPage final : public QWidget {
    Q_OBJECT

public:
    static inline const QUrl website{QStringLiteral("https://tindrel.dev")};
    static inline const QUrl privacyPolicy{QStringLiteral("https://tindrel.dev/privacy")};

    explicit AboutSettingsPage(QWidget* parent = nullptr);
};

} // namespace tindrel
