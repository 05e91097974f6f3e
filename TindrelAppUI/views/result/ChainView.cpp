#include "TindrelAppUI/views/result/ChainView.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/CopyButton.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/BundleList.h"
#include "TindrelAppUI/views/result/CodeBlock.h"
#include "TindrelAppUI/views/result/StepCard.h"
#include "TindrelCore/knowledge/CertificateBundle.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <memory>

namespace tindrel {
namespace {

QWidget* iconLabel(Symbol which) {
    return new SymbolLabel(which, 14);
}

QWidget* notRecognizedRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(iconLabel(Symbol::question));
    layout->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::technicalNotRecognized), "secondary"), 1);
    return row;
}

QWidget* shapeRow(const DecodeChain& chain) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    bool first = true;
    for (const std::string& kind : chain.shape()) {
        if (!first) layout->addWidget(iconLabel(Symbol::arrowRight));
        QLabel* chip = makeLabel(QString::fromStdString(kind), "pathChip");
        chip->setWordWrap(false);
        layout->addWidget(chip);
        first = false;
    }
    layout->addStretch();
    return row;
}

QWidget* finalValueCard(const DecodeChain& chain) {
    QWidget* card = makeFrame("surface");
    auto* layout = new QVBoxLayout(card);
    auto* top = new QHBoxLayout;
    top->addWidget(makeLabel(QStringLiteral("FINAL VALUE"), "meta"));
    top->addStretch();
    auto value = std::make_shared<const std::string>(chain.finalValue());
    top->addWidget(
        new CopyButton(QStringLiteral("Copy"), [value] { return QString::fromStdString(*value); }));
    layout->addLayout(top);
    addCodeBlock(layout, value);
    return card;
}

} // namespace

ChainView::ChainView(const DecodeChain& chain, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!chain.isRecognized()) {
        layout->addWidget(notRecognizedRow());
        return;
    }
    layout->addWidget(shapeRow(chain));
    for (std::size_t i = 0; i < chain.steps.size(); ++i) {
        auto* card = new StepCard(static_cast<int>(i) + 1, chain.steps[i]);
        connect(card, &StepCard::readingChosen, this,
                [this, index = static_cast<int>(i)](DetectionKind kind) { emit readingChosen(index, kind); });
        layout->addWidget(card);
        if (auto bundle = CertificateBundle::ofStep(chain, i)) layout->addWidget(new BundleList(*bundle));
    }
    layout->addWidget(finalValueCard(chain));
}

} // namespace tindrel
