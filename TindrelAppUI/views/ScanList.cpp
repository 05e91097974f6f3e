#include "TindrelAppUI/views/ScanList.h"

#include "TindrelAppUI/MediumDateText.h"
#include "TindrelAppUI/ScreenTexts.h"
#include "TindrelAppUI/Symbols.h"
#include "TindrelAppUI/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelReport/DecodedSummary.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace tindrel {
namespace {

constexpr qsizetype rowPreviewLength = 200;

// "line 3", the kind and its status, then the start of the final value.
QWidget* rowWidget(const ScanFinding& finding, const MediumDateFormatter& mediumDate) {
    const DecodedSummary summary(finding.chain, mediumDate);
    auto* row = new QWidget;
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(8, 5, 8, 5);
    layout->setSpacing(2);
    auto* top = new QHBoxLayout;
    QLabel* line = makeLabel(ScreenTexts::lineLabel(static_cast<int>(finding.line)), "meta");
    line->setWordWrap(false);
    top->addWidget(line);
    top->addWidget(makeLabel(QString::fromStdString(summary.kindLabel), "section"));
    if (summary.status) {
        QLabel* pill = makeLabel(QString::fromStdString(summary.status->text), "pill");
        pill->setWordWrap(false);
        pill->setProperty("tone", summary.status->tone == SemanticStatus::Tone::good ? "good" : "warn");
        top->addWidget(pill);
    }
    top->addStretch();
    layout->addLayout(top);
    QLabel* preview = makeLabel(
        ScreenTexts::oneLine(
            QString::fromStdString(summary.payload.substr(0, rowPreviewLength * 4)).left(rowPreviewLength)),
        "codeSmall");
    preview->setWordWrap(false);
    preview->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(preview);
    return row;
}

} // namespace

ScanList::ScanList(QWidget* parent)
    : QWidget(parent)
    , count_(makeLabel(QString(), "paneTitle"))
    , single_(new QPushButton(symbol(Symbol::back), QStringLiteral("Single result")))
    , rows_(new QListWidget) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* header = new QHBoxLayout;
    header->addWidget(count_);
    header->addStretch();
    header->addWidget(single_);
    layout->addLayout(header);
    Theme::setRole(rows_, "surface");
    layout->addWidget(rows_, 1);
    connect(single_, &QPushButton::clicked, this, &ScanList::singleResultRequested);
    connect(rows_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) emit findingSelected(row);
    });
}

void ScanList::setFindings(const std::vector<ScanFinding>& findings, int selected,
                           bool singleResultAvailable) {
    count_->setText(ScreenTexts::findingCount(findings.size()));
    single_->setVisible(singleResultAvailable);
    const QSignalBlocker quiet(rows_);
    if (findings != findings_) {
        findings_ = findings;
        rows_->clear();
        const MediumDateFormatter mediumDate = MediumDateText::formatter();
        for (const ScanFinding& finding : findings_) {
            auto* item = new QListWidgetItem(rows_);
            QWidget* row = rowWidget(finding, mediumDate);
            item->setSizeHint(row->sizeHint());
            rows_->setItemWidget(item, row);
        }
    }
    if (!findings_.empty())
        rows_->setCurrentRow(std::clamp(selected, 0, static_cast<int>(findings_.size()) - 1));
}

QString ScanList::countText() const {
    return count_->text();
}

} // namespace tindrel
