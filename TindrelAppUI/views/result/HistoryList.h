#pragma once

#include "TindrelHistory/HistoryEntry.h"

#include <QWidget>
#include <vector>

class QListWidget;
class QPushButton;
class QLabel;

namespace tindrel {

// "RECENT" with a Clear button, then one row per entry: the input on one elided line, "… (first 16 KiB
// of 293 KiB)" when only its start was kept, and the shape of its decoding; a notice instead when there
// is nothing yet.
class HistoryList final : public QWidget {
    Q_OBJECT
public:
    explicit HistoryList(QWidget* parent = nullptr);

    // Shows at most `limit` entries, in the given order.
    void setEntries(const std::vector<HistoryEntry>& entries, int limit);

    QListWidget* rows() const { return rows_; }
    // The height that shows the header and every row without scrolling.
    QSize sizeHint() const override;
    // Only the notice wraps; rows have the height of their line, not of the list's own default.
    bool hasHeightForWidth() const override;

signals:
    // The index among the entries given to setEntries.
    void entryChosen(int index);
    void clearRequested();

private:
    std::vector<HistoryEntry> entries_;
    QListWidget* rows_;
    QLabel* emptyNotice_;
    QPushButton* clear_;
};

} // namespace tindrel
