#include "TindrelAppUI/views/result/HistoryList.h"

#include "TindrelAppUI/inspector/BoundedText.h"
#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelCore/text/Text.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tindrel {
namespace {

// Entries can hold whole logs; a row only ever shows the start of one line, far wider than any row.
constexpr int rowPreviewLength = 300;

QWidget* rowWidget(const HistoryEntry& entry) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 3, 6, 3);
    const std::string_view head = Text::prefixCharacters(entry.input, rowPreviewLength);
    QString input = ScreenTexts::oneLine(QString::fromUtf8(head.data(), static_cast<qsizetype>(head.size())));
    if (head.size() < entry.input.size()) input += QChar(0x2026);
    layout->addWidget(new ElidedLabel(input, "codeSmall"), 1);
    if (entry.fullSize) {
        QLabel* cut = makeLabel(BoundedText::keptPartNote(entry.input.size(), *entry.fullSize), "meta");
        cut->setWordWrap(false);
        layout->addWidget(cut);
    }
    QLabel* shape = makeLabel(QString::fromStdString(entry.shapeLabel()), "meta");
    shape->setWordWrap(false);
    layout->addWidget(shape);
    return row;
}

} // namespace

HistoryList::HistoryList(QWidget* parent)
    : QWidget(parent)
    , rows_(new QListWidget)
    , emptyNotice_(makeLabel(QString::fromUtf8(ScreenTexts::noHistory), "secondary"))
    , clear_(new QPushButton(QStringLiteral("Clear"))) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* header = new QHBoxLayout;
    header->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::recent), "meta"));
    header->addStretch();
    Theme::setRole(clear_, "link");
    header->addWidget(clear_);
    layout->addLayout(header);
    emptyNotice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(emptyNotice_, 1);
    layout->addWidget(rows_, 1);
    connect(clear_, &QPushButton::clicked, this, &HistoryList::clearRequested);
    connect(rows_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int index = rows_->row(item);
        if (index >= 0 && index < static_cast<int>(entries_.size())) emit entryChosen(index);
    });
    setEntries({}, 0);
}

void HistoryList::setEntries(const std::vector<HistoryEntry>& entries, int limit) {
    const auto count = std::min(entries.size(), static_cast<std::size_t>(std::max(limit, 0)));
    entries_.assign(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(count));
    rows_->clear();
    for (const HistoryEntry& entry : entries_) {
        auto* item = new QListWidgetItem(rows_);
        QWidget* row = rowWidget(entry);
        item->setSizeHint(row->sizeHint());
        rows_->setItemWidget(item, row);
    }
    emptyNotice_->setVisible(entries_.empty());
    rows_->setVisible(!entries_.empty());
    updateGeometry();
}

bool HistoryList::hasHeightForWidth() const {
    return entries_.empty();
}

QSize HistoryList::sizeHint() const {
    const QLayout* own = layout();
    const QMargins margins = own->contentsMargins();
    int height = margins.top() + margins.bottom() + own->itemAt(0)->sizeHint().height() + own->spacing();
    if (entries_.empty()) {
        height += emptyNotice_->sizeHint().height();
    } else {
        height += 2 * rows_->frameWidth();
        for (int row = 0; row < rows_->count(); ++row)
            height += rows_->item(row)->sizeHint().height();
    }
    return {QWidget::sizeHint().width(), height};
}

} // namespace tindrel
