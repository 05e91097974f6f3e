#include "SettingsFakes.h"
#include "TindrelAppUI/platform/ColorScheme.h"
#include "TindrelAppUI/settings/AppearancePref.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/settings/AppearanceSettingsPage.h"
#include "TindrelAppUI/views/settings/SettingsWindow.h"
#include "WidgetTexts.h"

#include <QApplication>
#include <QImage>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace tindrel;
using tindrel::testing_support::buttonTitled;
using tindrel::testing_support::visibleLabelTexts;

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
    EXPECT_TRUE(visibleLabelTexts(&page).contains(
        QString::fromUtf8("Tindrel follows your desktop's appearance by default. Both light and dark are "
                          "designed and tested \u2014 only override if you prefer one.")));

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

namespace {

// The most opaque pixel of the symbol drawn at `side` pixels, and how many pixels it covers.
std::pair<QColor, int> inkOf(Symbol which, int side) {
    const QImage image = symbol(which).pixmap(QSize(side, side)).toImage();
    QColor strongest(0, 0, 0, 0);
    int covered = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 0) ++covered;
            if (pixel.alpha() > strongest.alpha()) strongest = pixel;
        }
    return {strongest, covered};
}

} // namespace

// Every symbol is drawn (no empty icon when the desktop's theme lacks a name) in the colour token of
// the appearance in force when it is painted, so a switch recolours icons that already exist.
TEST(Symbols, EachIsDrawnInTheTokenOfTheAppearanceInForce) {
    ThemeGuard guard;
    const Symbol last = Symbol::appearance;
    for (Appearance appearance : {Appearance::light, Appearance::dark}) {
        Theme::shared().setOverride(appearance);
        for (int raw = 0; raw <= static_cast<int>(last); ++raw) {
            const auto which = static_cast<Symbol>(raw);
            for (int side : {14, 16, 32}) {
                const auto [ink, covered] = inkOf(which, side);
                EXPECT_GT(covered, side * side / 12) << raw << " at " << side;
                EXPECT_LT(covered, side * side * 9 / 10) << raw << " at " << side;
                EXPECT_EQ(ink.alpha(), 255) << raw << " at " << side;
                EXPECT_EQ(ink.rgb(), symbolInk(which, QIcon::Normal, appearance).rgb())
                    << raw << " at " << side;
            }
        }
    }
    // A symbol already on screen takes the new colours at the next paint.
    SymbolLabel shown(Symbol::lock, 16);
    shown.show();
    for (Appearance appearance : {Appearance::light, Appearance::dark}) {
        Theme::shared().setOverride(appearance);
        const QImage picture = shown.grab().toImage();
        EXPECT_EQ(picture.pixelColor(4, 13).rgb(), symbolInk(Symbol::lock, QIcon::Normal, appearance).rgb());
    }
    EXPECT_NE(symbolInk(Symbol::settings, QIcon::Normal, Appearance::light),
              symbolInk(Symbol::settings, QIcon::Normal, Appearance::dark));
    EXPECT_EQ(symbolInk(Symbol::warning, QIcon::Normal, Appearance::dark),
              TindrelColor::warning.resolved(Appearance::dark));
}

// The tab pane and its pages are the surface token, not the platform style's own grey.
TEST(SettingsWindow, TabsSitOnTheSurfaceColour) {
    ThemeGuard guard;
    for (Appearance appearance : {Appearance::light, Appearance::dark}) {
        Theme::shared().setOverride(appearance);
        tindrel::testing::FakeHotKeys hotKeys;
        MemoryDefaults defaults;
        SettingsWindow window(hotKeys.manager, defaults,
                              std::make_shared<tindrel::testing::ScriptedLoginItem>(),
                              std::make_shared<tindrel::testing::FixedProbe>(std::nullopt));
        window.tabs()->setCurrentIndex(2); // the shortest page leaves the most empty pane
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QImage picture = window.grab().toImage();
        const QWidget* page = window.tabs()->currentWidget();
        const QPoint inside = page->mapTo(&window, QPoint(page->width() / 2, page->height() - 12));
        EXPECT_EQ(picture.pixelColor(inside).rgb(), TindrelColor::surface.resolved(appearance).rgb())
            << (appearance == Appearance::dark ? "dark" : "light");
    }
}
