#include "TindrelAppUI/style/Theme.h"

#include "TindrelAppUI/style/TindrelFont.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>

namespace tindrel {
namespace {

Appearance appearanceOf(const QPalette& platformPalette) {
    return platformPalette.color(QPalette::Window).lightness() < 128 ? Appearance::dark : Appearance::light;
}

QString rgba(const DynamicColor& token, Appearance appearance, double alpha) {
    const QColor c = token.resolved(appearance);
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(alpha);
}

QString textRules() {
    struct Rule {
        const char* role;
        const FontToken& font;
    };
    const Rule rules[] = {
        {"wordmark", TindrelFont::wordmark},
        {"verdict", TindrelFont::verdict},
        {"insightVerdict", TindrelFont::insightVerdict},
        {"paneTitle", TindrelFont::paneTitle},
        {"section", TindrelFont::section},
        {"body", TindrelFont::body},
        {"kvKey", TindrelFont::kvKey},
        {"kvValue", TindrelFont::kvValue},
        {"meta", TindrelFont::meta},
        {"code", TindrelFont::code},
        {"codeSmall", TindrelFont::codeSmall},
        {"kvValueMono", TindrelFont::code},
    };
    QString css;
    for (const Rule& rule : rules)
        css += QStringLiteral("*[role=\"%1\"] { %2 }\n").arg(rule.role, rule.font.css());
    return css;
}

// Buttons, tool buttons, tabs and menus in the tokens' colours rather than the platform style's own
// greys. Rules for a role come later in the sheet and win over these.
QStringList controlRules(Appearance a) {
    using namespace TindrelColor;
    return {
        QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid %3; border-radius: 7px; "
                       "padding: 5px 12px; %4 }")
            .arg(surfaceRaised.css(a), textPrimary.css(a), border.css(a), TindrelFont::body.css()),
        QStringLiteral("QPushButton:hover, QPushButton:focus { border-color: %1; }")
            .arg(rgba(brandPrimary, a, 0.7)),
        QStringLiteral("QPushButton:pressed { background: %1; }").arg(rgba(brandPrimary, a, 0.18)),
        QStringLiteral("QPushButton:disabled { color: %1; background: %2; border-color: %3; }")
            .arg(textSecondary.css(a), surface.css(a), border.css(a)),
        QStringLiteral(
            "QPushButton[role=\"primary\"] { background: %1; color: #FFFFFF; border: 1px solid %2; "
            "padding: 6px 16px; %3 }")
            .arg(brandGradientCss(a), brandPrimary.css(a), TindrelFont::section.css()),
        QStringLiteral("QPushButton[role=\"primary\"]:hover, QPushButton[role=\"primary\"]:focus { "
                       "border-color: %1; }")
            .arg(brandSecondary.css(a)),
        QStringLiteral("QPushButton[role=\"primary\"]:pressed { background: %1; }").arg(brandPrimary.css(a)),
        QStringLiteral("QToolButton { background: transparent; color: %1; border: 1px solid transparent; "
                       "border-radius: 7px; padding: 4px 7px; %2 }")
            .arg(textPrimary.css(a), TindrelFont::body.css()),
        QStringLiteral("QToolButton:hover { background: %1; border-color: %2; }")
            .arg(surfaceRaised.css(a), border.css(a)),
        QStringLiteral("QToolButton:pressed, QToolButton:open { background: %1; }")
            .arg(rgba(brandPrimary, a, 0.18)),
        QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"),
        QStringLiteral(
            "QTabWidget::pane { background: %1; border: 1px solid %2; border-radius: 10px; top: -1px; }")
            .arg(surface.css(a), border.css(a)),
        QStringLiteral("QTabWidget > QStackedWidget > QWidget { background: %1; }").arg(surface.css(a)),
        QStringLiteral("QTabBar::tab { background: %1; color: %2; border: 1px solid %3; border-bottom: none; "
                       "border-top-left-radius: 8px; border-top-right-radius: 8px; padding: 6px 14px; "
                       "margin-right: 2px; %4 }")
            .arg(surfaceRaised.css(a), textSecondary.css(a), border.css(a), TindrelFont::body.css()),
        QStringLiteral("QTabBar::tab:selected { background: %1; color: %2; }")
            .arg(surface.css(a), textPrimary.css(a)),
        QStringLiteral("QTabBar::tab:hover:!selected { color: %1; }").arg(textPrimary.css(a)),
        QStringLiteral("QMenu { background: %1; color: %2; border: 1px solid %3; padding: 4px; %4 }")
            .arg(surface.css(a), textPrimary.css(a), border.css(a), TindrelFont::body.css()),
        QStringLiteral("QMenu::item { padding: 5px 18px; border-radius: 5px; }"),
        QStringLiteral("QMenu::item:selected { background: %1; }").arg(rgba(brandPrimary, a, 0.18)),
        QStringLiteral("QMenu::separator { height: 1px; background: %1; margin: 4px 6px; }")
            .arg(border.css(a)),
        QStringLiteral("QLineEdit:focus, QPlainTextEdit:focus { border-color: %1; }")
            .arg(rgba(brandPrimary, a, 0.7)),
        QStringLiteral("QScrollBar { background: transparent; border: none; }"),
        QStringLiteral("QScrollBar:vertical { width: 10px; } QScrollBar:horizontal { height: 10px; }"),
        QStringLiteral("QScrollBar::handle { background: %1; border-radius: 3px; margin: 2px; }")
            .arg(rgba(textSecondary, a, 0.45)),
        QStringLiteral("QScrollBar::handle:vertical { min-height: 24px; } "
                       "QScrollBar::handle:horizontal { min-width: 24px; }"),
        QStringLiteral("QScrollBar::handle:hover { background: %1; }").arg(rgba(textSecondary, a, 0.7)),
        QStringLiteral("QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"),
        QStringLiteral("QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }"),
    };
}

} // namespace

Theme& Theme::shared() {
    static Theme* theme = new Theme; // lives as long as the application's widgets
    return *theme;
}

Theme::Theme()
    : system_(appearanceOf(QApplication::palette())) {}

Appearance Theme::appearance() const {
    return override_.value_or(system_);
}

void Theme::setSystemAppearance(Appearance appearance) {
    system_ = appearance;
    apply();
}

void Theme::setOverride(std::optional<Appearance> appearance) {
    override_ = appearance;
    apply();
}

void Theme::apply() {
    const Appearance now = appearance();
    QApplication::setPalette(palette(now));
    qApp->setStyleSheet(styleSheet(now));
    emit changed(now);
}

void Theme::setRole(QWidget* widget, const char* role) {
    widget->setProperty("role", QString::fromLatin1(role));
}

QPalette Theme::palette(Appearance a) {
    using namespace TindrelColor;
    QPalette p;
    p.setColor(QPalette::Window, appBackground.resolved(a));
    p.setColor(QPalette::WindowText, textPrimary.resolved(a));
    p.setColor(QPalette::Base, surface.resolved(a));
    p.setColor(QPalette::AlternateBase, surfaceRaised.resolved(a));
    p.setColor(QPalette::Text, textPrimary.resolved(a));
    p.setColor(QPalette::PlaceholderText, textSecondary.resolved(a));
    p.setColor(QPalette::Button, surfaceRaised.resolved(a));
    p.setColor(QPalette::ButtonText, textPrimary.resolved(a));
    p.setColor(QPalette::Highlight, brandPrimary.resolved(a));
    p.setColor(QPalette::HighlightedText, surface.resolved(a));
    p.setColor(QPalette::ToolTipBase, surfaceRaised.resolved(a));
    p.setColor(QPalette::ToolTipText, textPrimary.resolved(a));
    p.setColor(QPalette::Link, brandPrimary.resolved(a));
    p.setColor(QPalette::Mid, border.resolved(a));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, textSecondary.resolved(a));
    p.setColor(QPalette::Disabled, QPalette::Text, textSecondary.resolved(a));
    p.setColor(QPalette::Disabled, QPalette::WindowText, textSecondary.resolved(a));
    return p;
}

QString Theme::styleSheet(Appearance a) {
    using namespace TindrelColor;
    QStringList rules = {
        QStringLiteral("QMainWindow, *[role=\"root\"] { background: %1; }").arg(appBackground.css(a)),
        QStringLiteral("QLabel { color: %1; }").arg(textPrimary.css(a)),
    };
    rules += controlRules(a);
    rules += QStringList{
        QStringLiteral("*[role=\"surface\"] { background: %1; border: 1px solid %2; border-radius: 10px; }")
            .arg(surface.css(a), border.css(a)),
        QStringLiteral("*[role=\"raised\"] { background: %1; border: 1px solid %2; border-radius: 8px; }")
            .arg(surfaceRaised.css(a), border.css(a)),
        QStringLiteral("*[role=\"insight\"] { background: %1; border: 1px solid %2; border-radius: 10px; }")
            .arg(insightBg.css(a), insightBorder.css(a)),
        QStringLiteral("*[role=\"notes\"] { background: %1; border: 1px solid %2; border-radius: 8px; }")
            .arg(rgba(warning, a, 0.10), rgba(warning, a, 0.35)),
        QStringLiteral("*[role=\"codeBlock\"] { background: %1; border: 1px solid %2; border-radius: 8px; "
                       "color: %3; %4 }")
            .arg(codeBg.css(a), border.css(a), textPrimary.css(a), TindrelFont::code.css()),
        QStringLiteral(
            "QLabel[role=\"meta\"], QLabel[role=\"kvKey\"], QLabel[role=\"secondary\"] { color: %1; }")
            .arg(textSecondary.css(a)),
        QStringLiteral("QLabel[role=\"secondary\"] { %1 }").arg(TindrelFont::body.css()),
        QStringLiteral("QLabel[role=\"notesTitle\"] { color: %1; %2 }")
            .arg(warning.css(a), TindrelFont::meta.css()),
        QStringLiteral("QLabel[role=\"brand\"] { color: %1; %2 }")
            .arg(brandPrimary.css(a), TindrelFont::section.css()),
        QStringLiteral(
            "QLabel[role=\"chip\"] { color: %1; background: %2; border-radius: 9px; padding: 2px 8px; %3 }")
            .arg(brandPrimary.css(a), rgba(brandPrimary, a, 0.14), TindrelFont::meta.css()),
        QStringLiteral("QLabel[role=\"pathChip\"] { color: %1; background: %2; border: 1px solid %3; "
                       "border-radius: 6px; padding: 1px 6px; %4 }")
            .arg(textPrimary.css(a), surfaceRaised.css(a), border.css(a), TindrelFont::codeSmall.css()),
        QStringLiteral("QLabel[tone=\"good\"] { color: %1; background: %2; }")
            .arg(success.css(a), rgba(success, a, 0.15)),
        QStringLiteral("QLabel[tone=\"warn\"] { color: %1; background: %2; }")
            .arg(warning.css(a), rgba(warning, a, 0.15)),
        QStringLiteral("QLabel[tone=\"bad\"] { color: %1; background: %2; }")
            .arg(danger.css(a), rgba(danger, a, 0.15)),
        QStringLiteral("QLabel[tone=\"neutral\"] { color: %1; background: %2; }")
            .arg(textSecondary.css(a), surfaceRaised.css(a)),
        QStringLiteral("QLabel[tone] { border-radius: 9px; padding: 2px 8px; %1 }")
            .arg(TindrelFont::meta.css()),
        QStringLiteral("*[role=\"banner\"] { background: %1; border: 1px solid %2; border-radius: 8px; }")
            .arg(rgba(brandPrimary, a, 0.10), rgba(brandPrimary, a, 0.35)),
        QStringLiteral("QPushButton[role=\"link\"], QToolButton[role=\"link\"] { color: %1; border: none; "
                       "background: transparent; padding: 2px 4px; %2 }")
            .arg(brandPrimary.css(a), TindrelFont::meta.css()),
        QStringLiteral("QPushButton[role=\"link\"]:hover, QPushButton[role=\"link\"]:focus { "
                       "text-decoration: underline; }"),
        // A disclosure toggle: its arrow says whether it is open, no box behind it.
        QStringLiteral("QToolButton[role=\"section\"], QToolButton[role=\"section\"]:hover, "
                       "QToolButton[role=\"section\"]:checked, QToolButton[role=\"section\"]:pressed { "
                       "background: transparent; border: 1px solid transparent; padding: 4px 0; }"),
        QStringLiteral("*[role=\"backdrop\"] { background: %1; }").arg(rgba(appBackground, a, 0.6)),
        QStringLiteral("*[role=\"palette\"] { background: %1; border: 1px solid %2; border-radius: 12px; }")
            .arg(surface.css(a), border.css(a)),
        QStringLiteral("QPushButton[role=\"segment\"] { background: %1; color: %2; border: 1px solid %3; "
                       "border-radius: 0; padding: 5px 16px; %4 }")
            .arg(surfaceRaised.css(a), textPrimary.css(a), border.css(a), TindrelFont::body.css()),
        QStringLiteral(
            "QPushButton[role=\"segment\"]:checked { background: %1; color: %2; border-color: %1; }")
            .arg(brandPrimary.css(a), surface.css(a)),
        QStringLiteral("*[role=\"dot\"] { background: %1; border-radius: 5px; }").arg(brandPrimary.css(a)),
        QStringLiteral("*[role=\"bar\"] { background: %1; border-radius: 4px; }").arg(border.css(a)),
        QStringLiteral("*[role=\"brandMark\"] { background: %1; border-radius: 7px; }")
            .arg(brandGradientCss(a)),
        QStringLiteral("QPlainTextEdit, QLineEdit { background: %1; color: %2; border: 1px solid %3; "
                       "border-radius: 8px; padding: 4px; }")
            .arg(surface.css(a), textPrimary.css(a), border.css(a)),
        QStringLiteral("QPlainTextEdit { %1 }").arg(TindrelFont::code.css()),
        QStringLiteral(
            "QListView[role=\"findings\"] { background: %1; border: 1px solid %2; border-radius: 10px; "
            "color: %3; %4 }")
            .arg(surface.css(a), border.css(a), textPrimary.css(a), TindrelFont::body.css()),
        QStringLiteral("QListView[role=\"findings\"]::item { padding: 6px; border-bottom: 1px solid %1; }")
            .arg(border.css(a)),
        QStringLiteral("QListView::item:selected { background: %1; color: %2; }")
            .arg(rgba(brandPrimary, a, 0.18), textPrimary.css(a)),
        QStringLiteral("QListWidget { background: %1; border: none; color: %2; }")
            .arg(surface.css(a), textPrimary.css(a)),
        QStringLiteral("QListWidget::item:selected { background: %1; color: %2; }")
            .arg(rgba(brandPrimary, a, 0.18), textPrimary.css(a)),
        QStringLiteral("QScrollArea { background: transparent; border: none; }"),
        QStringLiteral("QScrollArea > QWidget > QWidget { background: transparent; }"),
    };
    return rules.join(QLatin1Char('\n')) + QLatin1Char('\n') + textRules();
}

} // namespace tindrel
