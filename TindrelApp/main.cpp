#include "DevFlags.h"
#include "Screenshot.h"
#include "TindrelAppUI/InspectorBinding.h"
#include "TindrelAppUI/InspectorModel.h"
#include "TindrelAppUI/MainWindow.h"
#include "TindrelAppUI/MediumDateText.h"
#include "TindrelAppUI/SettingsDefaults.h"
#include "TindrelAppUI/Theme.h"
#include "TindrelAppUI/platform/MailHandler.h"
#include "TindrelAppUI/views/HeaderBar.h"

#include <QApplication>
#include <QStyleFactory>
#include <QThreadPool>
#include <QTimer>

using namespace tindrel;

namespace {

constexpr int shutdownGraceMs = 5000;

void scheduleQuit(MainWindow& window, const DevFlags& flags) {
    if (!flags.quitAfterMs) return;
    QTimer::singleShot(*flags.quitAfterMs, &window, [&window, path = flags.screenshotPath] {
        if (path) saveScreenshot(window, *path);
        QApplication::quit();
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tindrel"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStringList arguments = QApplication::arguments();
    const DevFlags flags = DevFlags::parse(arguments);

    SettingsDefaults defaults;
    InspectorServices services;
    services.mediumDate = MediumDateText::formatter();
    InspectorModel model(defaults, arguments, services);

    Theme::shared().setOverride(flags.forceDark ? std::optional(Appearance::dark) : std::nullopt);
    MainWindow window(MailHandler::available());
    InspectorBinding binding(model, window);
    window.show();
    if (flags.openHistory) QTimer::singleShot(0, &window, [&window] { window.header()->openHistory(); });
    scheduleQuit(window, flags);
    const int status = QApplication::exec();
    // Explanations and answers still being produced finish before the process ends, so no worker
    // thread is cut off in the middle of a call.
    QThreadPool::globalInstance()->waitForDone(shutdownGraceMs);
    return status;
}
