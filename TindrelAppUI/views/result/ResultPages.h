#pragma once

#include "TindrelAppUI/inspector/ScreenState.h"

#include <QString>
#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

namespace tindrel {

class DecodedPane;
class HistoryList;

// The whole input decoded as one chain, with a banner when the log scan found more in it.
class SingleResultPage final : public QWidget {
    Q_OBJECT
public:
    explicit SingleResultPage(QWidget* parent = nullptr);

    void show(const SharedChain& chain, int embeddedCount);

    QWidget* banner() const { return banner_; }
    QLabel* bannerText() const { return bannerText_; }
    QPushButton* logScanButton() const { return logScan_; }

signals:
    void logScanRequested();
    void readingChosen(int step, DetectionKind kind);

private:
    QWidget* banner_;
    QLabel* bannerText_;
    QPushButton* logScan_;
    DecodedPane* pane_;
    SharedChain shown_;
};

// Nothing to inspect yet: the hint, the shortcut tip while it is due, and the recent inspections.
class EmptyPage final : public QWidget {
    Q_OBJECT
public:
    explicit EmptyPage(QWidget* parent = nullptr);

    void setTip(const std::optional<QString>& tip);
    HistoryList* history() const { return history_; }
    QLabel* tip() const { return tip_; }

private:
    QLabel* tip_;
    HistoryList* history_;
};

// Text that is neither an artifact nor holds one.
class UnrecognizedPage final : public QWidget {
    Q_OBJECT
public:
    explicit UnrecognizedPage(QWidget* parent = nullptr);
};

} // namespace tindrel
