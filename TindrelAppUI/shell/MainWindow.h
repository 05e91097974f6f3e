#pragma once

#include "TindrelAppUI/inspector/ScreenState.h"
#include "TindrelCore/verify/VerificationKey.h"

#include <QMainWindow>
#include <optional>

class QSplitter;
class QStackedWidget;
class QTimer;

namespace tindrel {

class Defaults;
class DecodedPane;
class EmptyPage;
class HeaderBar;
class InsightPane;
class ScanList;
class SingleResultPage;
class SourceStrip;

// The inspector window: header, source strip, the presentation of the result and the insight beside
// it. It draws whatever state it is given and reports the user's requests as signals.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(bool offerShare, QWidget* parent = nullptr);

    void render(const ScreenState& state);
    // Restores the window's size and place and the scan list's height from `store`, and keeps them
    // there as the person changes them. `store` outlives the window.
    void keepLayoutIn(Defaults& store);

    HeaderBar* header() const { return header_; }
    SourceStrip* source() const { return source_; }
    SingleResultPage* singlePage() const { return single_; }
    ScanList* scanList() const { return scanList_; }
    EmptyPage* emptyPage() const { return empty_; }
    InsightPane* insight() const { return insight_; }
    QWidget* currentPage() const;
    // The scan page: the findings above, the selected finding's details below.
    QSplitter* scanSplitter() const { return scanSplit_; }

    static constexpr QSize minimumContentSize{820, 560};
    static constexpr QSize defaultSize{1040, 700};

    static inline const QString geometryKey = QStringLiteral("tindrel.window.v1");
    static inline const QString scanListKey = QStringLiteral("tindrel.scanlist.v1");
    // The findings list takes the height its rows need, up to this share of the scan page.
    static constexpr double scanListShare = 0.45;
    static constexpr int minScanList = 90;
    static constexpr int minScanDetails = 160;
    // The list's height in a scan page of `total` pixels: the height the person chose, else what the
    // rows need up to the share; either way each side keeps its minimum while the page has room.
    static int scanListHeight(int needed, int total, std::optional<int> chosen);

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Typed into the editor; a paste or drop gives the whole text it makes.
    void inputEdited(const QString& text);
    void inputPasted(const QString& text);
    void sampleRequested();
    void clearInputRequested();
    void clipboardRequested();
    void settingsRequested();
    void logScanRequested(bool on);
    void findingSelected(int index);
    // An index into the history given to render.
    void historyEntryChosen(int index);
    void clearHistoryRequested();
    void askRequested(const QString& question);
    // Another reading for the step at `step` of the chain in focus.
    void readingChosen(int step, DetectionKind kind);
    // The key given in the Verify Signature dialog, for the result in focus only.
    void signatureKeyChosen(const VerificationKey& key);

private:
    QWidget* buildScanPage();
    void connectRequests();
    void openSignatureDialog();
    void renderInsight(const ScreenState& state);
    void renderScan(const ScreenState& state);
    void fitScanSplit();
    void saveGeometrySoon();
    void saveGeometryNow();

    HeaderBar* header_;
    SourceStrip* source_;
    QStackedWidget* pages_;
    SingleResultPage* single_;
    ScanList* scanList_;
    QSplitter* scanSplit_ = nullptr;
    DecodedPane* scanPane_;
    EmptyPage* empty_;
    QWidget* unrecognized_;
    InsightPane* insight_;
    std::optional<DecodeChain> scanPaneChain_;
    Defaults* store_ = nullptr;
    std::optional<int> chosenScanList_;
    QTimer* geometrySave_;
    struct InsightShown {
        bool decoding;
        ScreenState::Insight insight;
        QString explanation;
        SharedChain chain;
    };
    std::optional<InsightShown> insightShown_;
    SharedChain exportChain_; // what the export menu was last given
    std::optional<QString> exportExplanation_;
};

} // namespace tindrel
