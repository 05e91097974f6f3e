#pragma once

#include "TindrelAppUI/inspector/ScreenState.h"
#include "TindrelAppUI/views/result/FollowUpSection.h"

#include <QWidget>

class QVBoxLayout;

namespace tindrel {

// The explanation of the artifact in focus: nothing to explain, an explanation being built, or the
// headline, risk, explanation, next steps, copy buttons and follow-up questions.
class InsightPane final : public QWidget {
    Q_OBJECT
public:
    explicit InsightPane(QWidget* parent = nullptr);

    void showNone();
    void showLoading();
    // The input is still being decoded: there is nothing to explain yet.
    void showDecoding();
    void showReady(const SharedChain& chain, const QString& explanation);
    void setFollowUps(const std::vector<FollowUpSection::Item>& items) { followUps_->setItems(items); }
    FollowUpSection* followUps() const { return followUps_; }

signals:
    void askRequested(const QString& question);
    // "Verify Signature…", offered when the chain holds a JWT.
    void verifySignatureRequested();

private:
    void resetBody();

    QVBoxLayout* body_;
    FollowUpSection* followUps_;
};

} // namespace tindrel
