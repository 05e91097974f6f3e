#pragma once

#include "TindrelAppUI/style/TindrelColor.h"

#include <QObject>
#include <QPalette>
#include <QString>
#include <optional>

class QWidget;

namespace tindrel {

// The appearance in force and the styling derived from the colour and type tokens. Views name their
// part with a "role" property (and pills a "tone"); one application style sheet turns roles into
// tokens, so switching the appearance restyles every view in place without rebuilding it.
class Theme final : public QObject {
    Q_OBJECT
public:
    static Theme& shared();

    Appearance appearance() const;
    // What the desktop prefers; in force while there is no override.
    void setSystemAppearance(Appearance appearance);
    // Nothing follows the system's appearance.
    void setOverride(std::optional<Appearance> appearance);
    std::optional<Appearance> overrideAppearance() const { return override_; }

    static QString styleSheet(Appearance appearance);
    static QPalette palette(Appearance appearance);

    // Tags a widget with the role the style sheet knows it by.
    static void setRole(QWidget* widget, const char* role);

signals:
    void changed(Appearance appearance);

private:
    Theme();
    void apply();

    Appearance system_;
    std::optional<Appearance> override_;
};

} // namespace tindrel
