#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSystemTrayIcon>
#include <memory>

namespace tindrel {

class InspectorModel;
class Pasteboard;
class TrayPanel;

// The app's presence in the desktop's tray: the icon, and the panel it opens next to itself. Where the
// desktop has no tray there is no icon and nothing shows; the app then lives in its window alone.
class TrayController final : public QObject {
    Q_OBJECT
public:
    // A click on the icon that comes this soon after the panel closed is the click that closed it.
    static constexpr qint64 dismissClickMs = 300;

    TrayController(InspectorModel& model, Pasteboard& pasteboard, QObject* parent = nullptr);
    ~TrayController() override;

    bool isShown() const;
    // Null without a tray.
    QSystemTrayIcon* icon() const { return icon_; }
    TrayPanel* panel() const { return panel_.get(); }

    // Opens the panel beside the icon (or the mouse pointer), or closes it when it is open.
    void togglePanel();

signals:
    void openRequested();
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate(QSystemTrayIcon::ActivationReason reason);
    void showPanel();
    // Puts the panel beside the icon it was opened from, wholly on that screen, at its current size.
    void place();

    std::unique_ptr<TrayPanel> panel_;
    QSystemTrayIcon* icon_ = nullptr;
    QElapsedTimer sinceHidden_;
    // Where the open panel belongs: the icon (or the pointer, on trays that do not tell) and the
    // usable area of its screen, as they were when it opened.
    QRect anchorIcon_;
    QPoint anchorCursor_;
    QRect anchorArea_;
};

} // namespace tindrel
