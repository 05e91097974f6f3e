#pragma once

#include "TindrelAppUI/inspector/ScreenState.h"
#include "TindrelCore/verify/VerificationKey.h"

#include <QMainWindow>

class QStackedWidget;

namespace tindrel {

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

    HeaderBar* header() const { return header_; }
    SourceStrip* source() const { return source_; }
    SingleResultPage* singlePage() const { return single_; }
    ScanList* scanList() const { return scanList_; }
    EmptyPage* emptyPage() const { return empty_; }
    InsightPane* insight() const { return insight_; }
    QWidget* currentPage() const;

    static constexpr QSize minimumContentSize{820, 560};
    static constexpr QSize defaultSize{1040, 700};

signals:
    void inputEdited(const QString& text);
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

    HeaderBar* header_;
    SourceStrip* source_;
    QStackedWidget* pages_;
    SingleResultPage* single_;
    ScanList* scanList_;
    DecodedPane* scanPane_;
    EmptyPage* empty_;
    QWidget* unrecognized_;
    InsightPane* insight_;
    std::optional<DecodeChain> scanPaneChain_;
    std::optional<std::tuple<ScreenState::Insight, QString, std::optional<DecodeChain>>> insightShown_;
};

} // namespace tindrel
