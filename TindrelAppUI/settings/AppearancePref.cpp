#include "TindrelAppUI/settings/AppearancePref.h"

#include "TindrelAppUI/platform/ColorScheme.h"
#include "TindrelAppUI/style/Theme.h"

namespace tindrel::AppearancePref {
namespace {

std::optional<Appearance> fixedAppearance(const QString& value) {
    if (value == QLatin1String("light")) return Appearance::light;
    if (value == QLatin1String("dark")) return Appearance::dark;
    return std::nullopt;
}

} // namespace

QString stored(const Defaults& defaults) {
    const QString value = defaults.string(storeKey).value_or(QString());
    return fixedAppearance(value) ? value : QStringLiteral("system");
}

void apply(const QString& value) {
    Theme::shared().setOverride(fixedAppearance(value));
}

void applyStored(const Defaults& defaults) {
    apply(stored(defaults));
}

void followSystem(ColorSchemeSource& source) {
    Theme::shared().setSystemAppearance(source.current());
    QObject::connect(&source, &ColorSchemeSource::changed, &Theme::shared(),
                     [](Appearance appearance) { Theme::shared().setSystemAppearance(appearance); });
}

} // namespace tindrel::AppearancePref
