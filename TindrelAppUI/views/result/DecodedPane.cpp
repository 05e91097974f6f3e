#include "TindrelAppUI/views/result/DecodedPane.h"

#include "TindrelAppUI/inspector/MediumDateText.h"
#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/ChainView.h"
#include "TindrelAppUI/views/result/CodeBlock.h"
#include "TindrelReport/DecodedSummary.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace tindrel {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

const char* toneName(SemanticStatus::Tone tone) {
    switch (tone) {
    case SemanticStatus::Tone::good:
        return "good";
    case SemanticStatus::Tone::warn:
        return "warn";
    case SemanticStatus::Tone::bad:
        return "bad";
    }
    return "bad";
}

QWidget* kindRow(const DecodedSummary& summary) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(qs(summary.kindLabel), "verdict"));
    if (summary.status) {
        QLabel* pill = makeLabel(qs(summary.status->text), "pill");
        pill->setWordWrap(false);
        pill->setProperty("tone", QString::fromLatin1(toneName(summary.status->tone)));
        layout->addWidget(pill, 0, Qt::AlignVCenter);
    }
    layout->addStretch();
    return row;
}

QWidget* pathRow(const DecodedSummary& summary) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const std::string& kind : summary.path) {
        QLabel* chip = makeLabel(qs(kind), "pathChip");
        chip->setWordWrap(false);
        layout->addWidget(chip);
    }
    layout->addStretch();
    return row;
}

QWidget* factsGrid(const DecodedSummary& summary) {
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setColumnStretch(1, 1);
    int row = 0;
    for (const DecodedSummary::Fact& fact : summary.facts) {
        QLabel* label = makeLabel(qs(fact.label), "kvKey");
        label->setWordWrap(false);
        layout->addWidget(label, row, 0, Qt::AlignTop);
        layout->addWidget(makeLabel(qs(fact.value), fact.mono ? "kvValueMono" : "kvValue", true), row, 1);
        ++row;
    }
    return grid;
}

} // namespace

DecodedPane::DecodedPane(QWidget* parent)
    : QWidget(parent)
    , content_(new QVBoxLayout(this)) {
    Theme::setRole(this, "surface");
    setAttribute(Qt::WA_StyledBackground);
}

void DecodedPane::setChain(const DecodeChain& chain) {
    const bool open = shownInput_ == chain.input && detailsToggle_ && detailsToggle_->isChecked();
    shownInput_ = chain.input;
    clearLayout(content_);
    content_->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::decoded), "meta"));
    addSummary(chain);
    addTechnicalDetails(chain, open);
    content_->addStretch();
}

void DecodedPane::addSummary(const DecodeChain& chain) {
    DecodedSummary summary(chain, MediumDateText::formatter());
    content_->addWidget(kindRow(summary));
    if (!summary.path.empty()) content_->addWidget(pathRow(summary));
    if (!summary.facts.empty()) content_->addWidget(factsGrid(summary));
    content_->addWidget(makeLabel(
        QString::fromLatin1(summary.payloadIsStructured ? "Decoded payload" : "Final value"), "section"));
    addCodeBlock(content_, std::make_shared<const std::string>(std::move(summary.payload)));
}

void DecodedPane::addTechnicalDetails(const DecodeChain& chain, bool open) {
    auto* toggle = new QToolButton;
    detailsToggle_ = toggle;
    toggle->setText(QStringLiteral("Technical details"));
    toggle->setCheckable(true);
    toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toggle->setArrowType(Qt::RightArrow);
    toggle->setAutoRaise(true);
    Theme::setRole(toggle, "section");
    auto* details = new ChainView(chain);
    details->setVisible(false);
    connect(toggle, &QToolButton::toggled, details, [toggle, details](bool shown) {
        toggle->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
        details->setVisible(shown);
    });
    connect(details, &ChainView::readingChosen, this, &DecodedPane::readingChosen);
    toggle->setChecked(open);
    content_->addWidget(toggle);
    content_->addWidget(details);
}

} // namespace tindrel
