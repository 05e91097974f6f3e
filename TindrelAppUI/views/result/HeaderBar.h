#pragma once

#include "TindrelHistory/HistoryEntry.h"

#include <QWidget>

class QFrame;
class QToolButton;

namespace tindrel {

class ExportMenu;
class HistoryList;

// "Tindrel" and "Analyze", then the export menu (while a result is in focus), the recent inspections,
// the clipboard and the settings buttons.
class HeaderBar final : public QWidget {
    Q_OBJECT
public:
    explicit HeaderBar(bool offerShare, QWidget* parent = nullptr);

    ExportMenu* exportMenu() const { return exportMenu_; }
    QToolButton* exportButton() const { return export_; }
    QToolButton* historyButton() const { return history_; }
    QToolButton* clipboardButton() const { return clipboard_; }
    QToolButton* settingsButton() const { return settings_; }
    HistoryList* historyList() const { return historyList_; }
    QFrame* historyPopup() const { return popup_; }

    void openHistory();

signals:
    void clipboardRequested();
    void settingsRequested();

private:
    ExportMenu* exportMenu_;
    QToolButton* export_;
    QToolButton* history_;
    QToolButton* clipboard_;
    QToolButton* settings_;
    QFrame* popup_;
    HistoryList* historyList_;
};

} // namespace tindrel
