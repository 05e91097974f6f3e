#include "TindrelAppUI/views/result/ScanList.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/FindingRows.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace tindrel {

ScanList::ScanList(QWidget* parent)
    : QWidget(parent)
    , model_(new FindingRows(this))
    , count_(makeLabel(QString(), "paneTitle"))
    , single_(new QPushButton(symbol(Symbol::back), QStringLiteral("Single result")))
    , rows_(new QListView) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* header = new QHBoxLayout;
    header->addWidget(count_);
    header->addStretch();
    header->addWidget(single_);
    layout->addLayout(header);
    Theme::setRole(rows_, "findings");
    rows_->setModel(model_);
    rows_->setUniformItemSizes(true);
    rows_->setTextElideMode(Qt::ElideRight);
    rows_->setWordWrap(false);
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(rows_, 1);
    connect(single_, &QPushButton::clicked, this, &ScanList::singleResultRequested);
    connect(rows_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) emit findingSelected(current.row());
            });
}

void ScanList::setFindings(const std::vector<ScanFinding>& findings, int selected,
                           bool singleResultAvailable) {
    count_->setText(ScreenTexts::findingCount(findings.size()));
    single_->setVisible(singleResultAvailable);
    const QSignalBlocker quiet(rows_->selectionModel());
    model_->setFindings(findings);
    if (!findings.empty()) selectRow(std::clamp(selected, 0, static_cast<int>(findings.size()) - 1));
}

QString ScanList::countText() const {
    return count_->text();
}

int ScanList::rowCount() const {
    return model_->rowCount();
}

int ScanList::neededHeight() const {
    const int rows = model_->rowCount();
    const int rowHeight = rows > 0 ? rows_->sizeHintForRow(0) : 0; // rows are of one height
    const int header = layout()->itemAt(0)->sizeHint().height() + layout()->spacing();
    const qint64 needed = header + 2 * rows_->frameWidth() + qint64(rows) * rowHeight;
    return static_cast<int>(std::min<qint64>(needed, QWIDGETSIZE_MAX));
}

int ScanList::currentRow() const {
    return rows_->currentIndex().row();
}

void ScanList::selectRow(int row) {
    rows_->setCurrentIndex(model_->index(row));
}

} // namespace tindrel
