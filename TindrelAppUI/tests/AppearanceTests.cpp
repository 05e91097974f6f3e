#include "TindrelAppUI/platform/ColorScheme.h"
#include "TindrelAppUI/settings/AppearancePref.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/settings/AppearanceSettingsPage.h"
#include "WidgetTexts.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace tindrel;
using tindrel::testing_support::buttonTitled;

namespace {

// Leaves the shared theme as the test found it.
class ThemeGuard {
public:
    ThemeGuard()
        : override_(Theme::shared().overrideAppearance())
        , system_(Theme::shared().appearance()) {}
    ~ThemeGuard() {
        Theme::shared().setOverride(std::nullopt);
        Theme::shared().setSystemAppearance(system_);
        Theme::shared().setOverride(override_);
    }
    ThemeGuard(const ThemeGuard&) = delete;
    ThemeGuard& operator=(const ThemeGuard&) = delete;

private:
    std::optional<Appearance> override_;
    Appearance system_;
};

class FakeColorScheme final : public ColorSchemeSource {
public:
    Appearance scheme = Appearance::light;
    Appearance current() const override { return scheme; }
    void change(Appearance appearance) {
        scheme = appearance;
        emit changed(appearance);
    }
};

} // namespace

TEST(AppearancePref, StoredValueDecidesBetweenTheDesktopAndAFixedAppearance) {
    struct Case {
        std::optional<QString> stored;
        Appearance system;
        Appearance expected;
        QString read;
    } cases[] = {
        {"dark", Appearance::light, Appearance::dark, "dark"},
        {"light", Appearance::dark, Appearance::light, "light"},
        {"system", Appearance::dark, Appearance::dark, "system"},
        {"system", Appearance::light, Appearance::light, "system"},
        {std::nullopt, Appearance::dark, Appearance::dark, "system"},
        {"Dark", Appearance::light, Appearance::light, "system"},
        {"sepia", Appearance::dark, Appearance::dark, "system"},
    };
    ThemeGuard guard;
    for (const Case& c : cases) {
        MemoryDefaults defaults;
        if (c.stored) defaults.setString(AppearancePref::storeKey, *c.stored);
        Theme::shared().setOverride(std::nullopt);
        Theme::shared().setSystemAppearance(c.system);
        AppearancePref::applyStored(defaults);
        EXPECT_EQ(Theme::shared().appearance(), c.expected) << c.stored.value_or("(absent)").toStdString();
        EXPECT_EQ(AppearancePref::stored(defaults), c.read);
    }
}

TEST(AppearancePref, ThePickerStoresAndAppliesEveryChoiceAtOnce) {
    ThemeGuard guard;
    Theme::shared().setSystemAppearance(Appearance::light);
    MemoryDefaults defaults;
    defaults.setString(AppearancePref::storeKey, "dark");
    AppearancePref::applyStored(defaults);
    ASSERT_EQ(Theme::shared().appearance(), Appearance::dark);
    AppearanceSettingsPage page(defaults);
    ASSERT_TRUE(buttonTitled(&page, "Dark")->isChecked());

    struct Step {
        QString button;
        QString stored;
        std::optional<Appearance> override;
        QColor window;
    } steps[] = {
        {"System", "system", std::nullopt, QColor(0xF5, 0xF6, 0xFA)},
        {"Light", "light", Appearance::light, QColor(0xF5, 0xF6, 0xFA)},
        {"Dark", "dark", Appearance::dark, QColor(0x0B, 0x0D, 0x12)},
        {"System", "system", std::nullopt, QColor(0xF5, 0xF6, 0xFA)},
    };
    for (const Step& step : steps) {
        buttonTitled(&page, step.button)->click();
        EXPECT_EQ(defaults.string(AppearancePref::storeKey), step.stored);
        EXPECT_EQ(Theme::shared().overrideAppearance(), step.override) << step.button.toStdString();
        EXPECT_EQ(QApplication::palette().color(QPalette::Window), step.window) << step.button.toStdString();
    }
}

TEST(AppearancePref, AnUnknownStoredValueSelectsSystemInThePicker) {
    MemoryDefaults defaults;
    defaults.setString(AppearancePref::storeKey, "midnight");
    AppearanceSettingsPage page(defaults);
    EXPECT_TRUE(buttonTitled(&page, "System")->isChecked());
    EXPECT_FALSE(buttonTitled(&page, "Light")->isChecked());
    EXPECT_FALSE(buttonTitled(&page, "Dark")->isChecked());
}

TEST(AppearancePref, TheThemeFollowsTheDesktopWhileNothingIsForced) {
    ThemeGuard guard;
    Theme::shared().setOverride(std::nullopt);
    FakeColorScheme desktop;
    desktop.scheme = Appearance::dark;
    AppearancePref::followSystem(desktop);
    EXPECT_EQ(Theme::shared().appearance(), Appearance::dark);
    desktop.change(Appearance::light);
    EXPECT_EQ(Theme::shared().appearance(), Appearance::light);

    AppearancePref::apply("dark");
    desktop.change(Appearance::light);
    EXPECT_EQ(Theme::shared().appearance(), Appearance::dark) << "a fixed choice wins over the desktop";
    AppearancePref::apply("system");
    EXPECT_EQ(Theme::shared().appearance(), Appearance::light);
}
