#include "TindrelAppUI/views/settings/AboutSettingsPage.h"

#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tindrel {
namespace {

QPushButton* makeLink(const QString& title, const QUrl& url) {
    auto* link = new QPushButton(title);
    Theme::setRole(link, "link");
    link->setCursor(Qt::PointingHandCursor);
    QObject::connect(link, &QPushButton::clicked, link, [url] { QDesktopServices::openUrl(url); });
    return link;
}

QLayout* versionRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel(QStringLiteral("Version"), "kvKey"));
    row->addWidget(makeLabel(QCoreApplication::applicationVersion(), "kvValue", true));
    row->addStretch();
    return row;
}

QLayout* linkRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(makeLink(QStringLiteral("Website"), AboutSettingsPage::website));
    row->addWidget(makeLink(QStringLiteral("Privacy Policy"), AboutSettingsPage::privacyPolicy));
    row->addStretch();
    return row;
}

} // namespace

AboutSettingsPage::AboutSettingsPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeLabel(QStringLiteral("Everything you inspect stays on this computer."), "section"));
    layout->addWidget(makeLabel(QStringLiteral("Decoding and the AI explanation run entirely on-device. "
                                               "Nothing you paste is ever uploaded."),
                                "secondary"));
    layout->addLayout(versionRow());
    layout->addLayout(linkRow());
    layout->addStretch();
}

} // namespace tindrel
