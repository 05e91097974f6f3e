#include "TindrelAppUI/views/result/ResultPages.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/DecodedPane.h"
#include "TindrelAppUI/views/result/HistoryList.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tindrel {

SingleResultPage::SingleResultPage(QWidget* parent)
    : QWidget(parent)
    , banner_(makeFrame("banner"))
    , bannerText_(makeLabel(QString(), "body"))
    , logScan_(new QPushButton(symbol(Symbol::logScan), QStringLiteral("View as log scan")))
    , pane_(new DecodedPane) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bannerLayout = new QHBoxLayout(banner_);
    bannerLayout->addWidget(bannerText_, 1);
    bannerLayout->addWidget(logScan_);
    layout->addWidget(banner_);
    layout->addWidget(pane_, 1);
    connect(logScan_, &QPushButton::clicked, this, &SingleResultPage::logScanRequested);
    connect(pane_, &DecodedPane::readingChosen, this, &SingleResultPage::readingChosen);
}

void SingleResultPage::show(const SharedChain& chain, int embeddedCount) {
    banner_->setVisible(embeddedCount > 0);
    bannerText_->setText(ScreenTexts::embeddedBanner(embeddedCount));
    if (!chain || sameChain(shown_, chain)) return; // keeps the technical details open while nothing changed
    shown_ = chain;
    pane_->setChain(*chain);
}

EmptyPage::EmptyPage(QWidget* parent)
    : QWidget(parent)
    , tip_(makeLabel(QString(), "meta"))
    , history_(new HistoryList) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::emptyHint), "body"));
    layout->addWidget(tip_);
    layout->addSpacing(12);
    layout->addWidget(history_, 1);
    setTip(std::nullopt);
}

void EmptyPage::setTip(const std::optional<QString>& tip) {
    tip_->setText(tip.value_or(QString()));
    tip_->setVisible(tip.has_value());
}

UnrecognizedPage::UnrecognizedPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::notRecognized), "verdict"));
    layout->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::notRecognizedDetail), "secondary"));
    layout->addStretch();
}

} // namespace tindrel
