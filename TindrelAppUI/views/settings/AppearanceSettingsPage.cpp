#include "TindrelAppUI/views/settings/AppearanceSettingsPage.h"

#include "TindrelAppUI/settings/AppearancePref.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tindrel {
namespace {

struct Choice {
    const char* title;
    const char* value;
};

constexpr Choice choices[] = {{"System", "system"}, {"Light", "light"}, {"Dark", "dark"}};

} // namespace

AppearanceSettingsPage::AppearanceSettingsPage(Defaults& defaults, QWidget* parent)
    : QWidget(parent)
    , defaults_(defaults)
    , choices_(new QButtonGroup(this)) {
    const QString current = AppearancePref::stored(defaults_);
    auto* picker = new QHBoxLayout;
    picker->setSpacing(0);
    for (const Choice& choice : choices) {
        const QString value = QString::fromLatin1(choice.value);
        auto* button = new QPushButton(QString::fromLatin1(choice.title));
        button->setCheckable(true);
        button->setChecked(value == current);
        Theme::setRole(button, "segment");
        choices_->addButton(button);
        picker->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, value] { choose(value); });
    }
    picker->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        makeLabel(QStringLiteral("Tindrel follows your desktop's appearance by default. Both light "
                                 "and dark are designed and tested — only override if you "
                                 "prefer one."),
                  "secondary"));
    layout->addLayout(picker);
    layout->addStretch();
}

void AppearanceSettingsPage::choose(const QString& value) {
    defaults_.setString(AppearancePref::storeKey, value);
    AppearancePref::apply(value);
}

} // namespace tindrel
