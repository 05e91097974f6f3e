#pragma once

#include "TindrelCore/scan/Scanner.h"

#include <QWidget>
#include <vector>

class QLabel;
class QListView;
class QPushButton;

namespace tindrel {

class FindingRows;

// The artifacts found in a log: "N findings", the way back to the single result when there is one,
// and one row per finding with its line and the summary of its chain.
class ScanList final : public QWidget {
    Q_OBJECT
public:
    explicit ScanList(QWidget* parent = nullptr);

    void setFindings(const std::vector<ScanFinding>& findings, int selected, bool singleResultAvailable);

    QListView* rows() const { return rows_; }
    int rowCount() const;
    // The height that shows the header and every row without scrolling.
    int neededHeight() const;
    int currentRow() const;
    void selectRow(int row);
    QPushButton* singleResultButton() const { return single_; }
    QString countText() const;

signals:
    void findingSelected(int index);
    void singleResultRequested();

private:
    FindingRows* model_;
    QLabel* count_;
    QPushButton* single_;
    QListView* rows_;
};

} // namespace tindrel
