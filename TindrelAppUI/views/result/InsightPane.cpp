#include "TindrelAppUI/views/result/InsightPane.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/CopyButton.h"
#include "TindrelAppUI/views/PulsingDot.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelReport/InsightHeadline.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace tindrel {
namespace {

QWidget* iconText(Symbol which, const QString& text, const char* role) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new SymbolLabel(which, 14));
    QLabel* label = makeLabel(text, role);
    layout->addWidget(label, 1);
    return row;
}

QWidget* header() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(QStringLiteral("Insight"), "paneTitle"));
    layout->addStretch();
    QWidget* badge = iconText(Symbol::lock, QStringLiteral("On-device"), "meta");
    badge->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    layout->addWidget(badge);
    return row;
}

QWidget* riskBadge(Explainer::RiskLevel level) {
    const bool critical = level == Explainer::RiskLevel::critical;
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new SymbolLabel(critical ? Symbol::critical : Symbol::warning, 14));
    QLabel* text = makeLabel(QString::fromLatin1(critical ? "Critical" : "Warning"), "pill");
    text->setWordWrap(false);
    text->setProperty("tone", QString::fromLatin1(critical ? "bad" : "warn"));
    layout->addWidget(text);
    return row;
}

QWidget* placeholderBars() {
    auto* bars = new QWidget;
    auto* layout = new QVBoxLayout(bars);
    layout->setContentsMargins(0, 4, 0, 4);
    for (int width : {260, 220, 240, 150}) {
        QWidget* bar = makeFrame("bar");
        bar->setFixedSize(width, 10);
        layout->addWidget(bar);
    }
    return bars;
}

QWidget* nextStepsList(const std::vector<std::string>& steps) {
    auto* list = new QWidget;
    auto* layout = new QVBoxLayout(list);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const std::string& step : steps)
        layout->addWidget(makeLabel(QStringLiteral("\u2022 ") + QString::fromStdString(step), "body", true));
    return list;
}

} // namespace

InsightPane::InsightPane(QWidget* parent)
    : QWidget(parent)
    , body_(new QVBoxLayout)
    , followUps_(new FollowUpSection) {
    Theme::setRole(this, "insight");
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header());
    layout->addLayout(body_);
    layout->addWidget(followUps_);
    layout->addStretch();
    connect(followUps_, &FollowUpSection::askRequested, this, &InsightPane::askRequested);
    showNone();
}

void InsightPane::resetBody() {
    clearLayout(body_);
    followUps_->setVisible(false);
}

void InsightPane::showNone() {
    resetBody();
    body_->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::insightNone), "body"));
    body_->addWidget(iconText(Symbol::lock, QString::fromUtf8(ScreenTexts::onThisMachine), "meta"));
}

void InsightPane::showLoading() {
    resetBody();
    auto* row = new QHBoxLayout;
    row->addWidget(new PulsingDot);
    row->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::building), "section"), 1);
    body_->addLayout(row);
    body_->addWidget(placeholderBars());
    body_->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::buildingDetail), "meta"));
}

void InsightPane::showDecoding() {
    resetBody();
    auto* row = new QHBoxLayout;
    row->addWidget(new PulsingDot);
    row->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::decoding), "section"), 1);
    body_->addLayout(row);
}

void InsightPane::showReady(const SharedChain& shown, const QString& explanation) {
    const DecodeChain& chain = *shown;
    resetBody();
    body_->addWidget(makeLabel(QString::fromStdString(insightHeadline(chain)), "insightVerdict", true));
    const Explainer::RiskLevel risk = Explainer::riskLevel(chain);
    if (risk != Explainer::RiskLevel::info) body_->addWidget(riskBadge(risk), 0, Qt::AlignLeft);
    body_->addWidget(makeLabel(QStringLiteral("Why it matters"), "section"));
    body_->addWidget(makeLabel(explanation, "body", true));
    const std::vector<std::string> steps = Explainer::nextSteps(chain);
    if (!steps.empty()) {
        body_->addWidget(makeLabel(QStringLiteral("What to do next"), "section"));
        body_->addWidget(nextStepsList(steps));
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        new CopyButton(QStringLiteral("Copy explanation"), [explanation] { return explanation; }));
    // The JSON export document of the chain, as the export menu's "Copy as JSON"; written on the press,
    // since for a large input it is large too.
    buttons->addWidget(new CopyButton(QStringLiteral("Copy JSON"), [shown] {
        return QString::fromStdString(TindrelJSON::string(*shown));
    }));
    buttons->addStretch();
    body_->addLayout(buttons);
    const auto kinds = chain.kinds();
    if (std::find(kinds.begin(), kinds.end(), DetectionKind::jwt) != kinds.end()) {
        // A row of its own: beside the copy buttons it would make the pane wider than its column.
        auto* verify = new QPushButton(QStringLiteral("Verify Signature\u2026"));
        connect(verify, &QPushButton::clicked, this, &InsightPane::verifySignatureRequested);
        body_->addWidget(verify, 0, Qt::AlignLeft);
    }
    followUps_->setVisible(true);
}

} // namespace tindrel
