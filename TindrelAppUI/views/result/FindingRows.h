#pragma once

#include "TindrelCore/scan/Scanner.h"

#include <QAbstractListModel>
#include <optional>
#include <vector>

namespace tindrel {

// The scan list's rows as a list model, so a log with thousands of findings costs only the rows on
// screen: each row's text is built from its chain's summary the first time it is drawn.
class FindingRows final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // False when the findings are the ones already shown.
    bool setFindings(const std::vector<ScanFinding>& findings);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // "line 2 · JWT — Expired" over the start of the final value on one line.
    static QString rowText(const ScanFinding& finding);

private:
    std::vector<ScanFinding> findings_;
    mutable std::vector<std::optional<QString>> texts_;
};

} // namespace tindrel
