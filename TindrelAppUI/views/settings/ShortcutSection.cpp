#include "TindrelAppUI/views/settings/ShortcutSection.h"

#include "TindrelAppUI/hotkey/ChordText.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/hotkey/ShortcutRecorder.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tindrel {
namespace {

struct StatusLook {
    const char* text;
    const char* tone;
};

StatusLook lookOf(HotKeyManager::Status status) {
    switch (status) {
    case HotKeyManager::Status::active:
        return {"Shortcut active", "good"};
    case HotKeyManager::Status::inactive:
        return {"Shortcut inactive", "warn"};
    case HotKeyManager::Status::unavailable:
        break;
    }
    return {"This shortcut is unavailable", "bad"};
}

} // namespace

ShortcutSection::ShortcutSection(HotKeyManager& hotKeys, QWidget* parent)
    : QWidget(parent)
    , hotKeys_(hotKeys)
    , description_(makeLabel(QString(), "secondary"))
    , recorder_(new ShortcutRecorder)
    , status_(new QLabel)
    , tryAlternative_(new QPushButton)
    , recordAnother_(new QPushButton(QStringLiteral("Record another"))) {
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(status_);
    statusRow->addWidget(tryAlternative_);
    statusRow->addWidget(recordAnother_);
    statusRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(QStringLiteral("Global shortcut"), "section"));
    layout->addWidget(description_);
    layout->addWidget(recorder_, 0, Qt::AlignLeft);
    layout->addLayout(statusRow);

    connect(recorder_, &ShortcutRecorder::recorded, &hotKeys_, &HotKeyManager::changeChord);
    connect(tryAlternative_, &QPushButton::clicked, this,
            [this] { hotKeys_.changeChord(hotKeys_.suggestedAlternative()); });
    connect(recordAnother_, &QPushButton::clicked, this,
            [this] { recorder_->setStartTrigger(recorder_->startTrigger() + 1); });
    connect(&hotKeys_, &HotKeyManager::chordChanged, this, &ShortcutSection::showChord);
    connect(&hotKeys_, &HotKeyManager::statusChanged, this, &ShortcutSection::showStatus);
    showChord();
    showStatus();
}

QString ShortcutSection::description(const QString& display) {
    return QStringLiteral("Press ") + display +
           QStringLiteral(" anywhere to bring up Tindrel and inspect your clipboard. Tindrel registers just "
                          "that one key combo and reads only the clipboard when fired.");
}

void ShortcutSection::showChord() {
    recorder_->setChord(hotKeys_.chord());
    description_->setText(description(chordText(hotKeys_.chord())));
    tryAlternative_->setText(QStringLiteral("Try ") + chordText(hotKeys_.suggestedAlternative()));
}

void ShortcutSection::showStatus() {
    const StatusLook look = lookOf(hotKeys_.status());
    status_->setText(QString::fromUtf8(look.text));
    status_->setProperty("tone", QString::fromLatin1(look.tone));
    status_->style()->unpolish(status_);
    status_->style()->polish(status_);
    const bool unavailable = hotKeys_.status() == HotKeyManager::Status::unavailable;
    tryAlternative_->setVisible(unavailable);
    recordAnother_->setVisible(unavailable);
}

} // namespace tindrel
