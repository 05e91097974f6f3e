#include "TindrelAppUI/views/result/HeaderBar.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/ExportMenu.h"
#include "TindrelAppUI/views/result/HistoryList.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tindrel {
namespace {

QToolButton* headerButton(Symbol icon, const QString& title, const QString& help) {
    auto* button = new QToolButton;
    button->setIcon(symbol(icon));
    button->setText(title);
    button->setToolTip(help);
    button->setAccessibleName(title.isEmpty() ? help : title);
    button->setToolButtonStyle(title.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

constexpr int popupWidth = 420;
constexpr int popupMaxHeight = 420;

QFrame* makePopup(QWidget* owner, HistoryList* list) {
    auto* popup = new QFrame(owner, Qt::Popup);
    Theme::setRole(popup, "surface");
    auto* layout = new QVBoxLayout(popup);
    layout->addWidget(list);
    return popup;
}

} // namespace

HeaderBar::HeaderBar(bool offerShare, QWidget* parent)
    : QWidget(parent)
    , exportMenu_(new ExportMenu(offerShare, this))
    , export_(headerButton(Symbol::exportResult, QString(), QStringLiteral("Export / share the result")))
    , history_(headerButton(Symbol::history, QStringLiteral("History"), QStringLiteral("Recent inspections")))
    , clipboard_(
          headerButton(Symbol::clipboard, QStringLiteral("Clipboard"), QStringLiteral("Inspect clipboard")))
    , settings_(headerButton(Symbol::settings, QString(), QStringLiteral("Settings")))
    , popup_(nullptr)
    , historyList_(new HistoryList) {
    popup_ = makePopup(this, historyList_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    QWidget* mark = makeFrame("brandMark");
    mark->setFixedSize(22, 22);
    layout->addWidget(mark);
    QLabel* name = makeLabel(QString::fromLatin1(ScreenTexts::appTitle), "wordmark");
    name->setWordWrap(false);
    layout->addWidget(name);
    QLabel* analyze = makeLabel(QString::fromLatin1(ScreenTexts::analyze), "meta");
    analyze->setWordWrap(false);
    layout->addWidget(analyze, 0, Qt::AlignBottom);
    layout->addStretch();
    export_->setMenu(exportMenu_);
    export_->setPopupMode(QToolButton::InstantPopup);
    for (QToolButton* button : {export_, history_, clipboard_, settings_})
        layout->addWidget(button);
    connect(history_, &QToolButton::clicked, this, &HeaderBar::openHistory);
    connect(clipboard_, &QToolButton::clicked, this, &HeaderBar::clipboardRequested);
    connect(settings_, &QToolButton::clicked, this, &HeaderBar::settingsRequested);
    connect(historyList_, &HistoryList::entryChosen, popup_, &QFrame::hide);
}

// As tall as its rows, up to a limit past which the list scrolls.
void HeaderBar::openHistory() {
    popup_->ensurePolished();
    popup_->layout()->invalidate();
    popup_->resize(popupWidth, std::min(popup_->sizeHint().height(), popupMaxHeight));
    const QPoint below =
        history_->mapToGlobal(QPoint(history_->width() - popup_->width(), history_->height()));
    popup_->move(below);
    popup_->show();
}

} // namespace tindrel
