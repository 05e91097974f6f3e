#include "TindrelAppUI/views/settings/LocalModelSection.h"

#include "TindrelAppUI/inspector/ModelStatusProbe.h"
#include "TindrelAppUI/settings/ModelPref.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QFormLayout>
#include <QFutureWatcher>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace tindrel {
namespace {

using ProbeAnswer = std::optional<std::string>;

QLineEdit* makeField(const QString& text, const QString& placeholder) {
    auto* field = new QLineEdit(text);
    field->setPlaceholderText(placeholder);
    field->setClearButtonEnabled(true);
    return field;
}

void setTone(QLabel* label, const char* tone) {
    label->setProperty("tone", QString::fromLatin1(tone));
    label->style()->unpolish(label);
    label->style()->polish(label);
}

} // namespace

LocalModelSection::LocalModelSection(Defaults& defaults, std::shared_ptr<ModelStatusProbe> probe,
                                     QWidget* parent)
    : QWidget(parent)
    , defaults_(defaults)
    , probe_(std::move(probe))
    , status_(new QLabel)
    , reason_(makeLabel(QString(), "secondary"))
    , url_(makeField(ModelPref::url(defaults), QStringLiteral("Found automatically when empty")))
    , model_(makeField(ModelPref::name(defaults), QStringLiteral("The server's first model when empty")))
    , checkAgain_(new QPushButton(QStringLiteral("Check again"))) {
    auto* fields = new QFormLayout;
    fields->addRow(makeLabel(QStringLiteral("Server URL"), "kvKey"), url_);
    fields->addRow(makeLabel(QStringLiteral("Model"), "kvKey"), model_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(QStringLiteral("Local model"), "section"));
    layout->addWidget(status_, 0, Qt::AlignLeft);
    layout->addWidget(reason_);
    layout->addLayout(fields);
    layout->addWidget(checkAgain_, 0, Qt::AlignLeft);

    connect(url_, &QLineEdit::editingFinished, this, &LocalModelSection::storeFields);
    connect(model_, &QLineEdit::editingFinished, this, &LocalModelSection::storeFields);
    connect(checkAgain_, &QPushButton::clicked, this, &LocalModelSection::checkAgain);
    checkAgain();
}

void LocalModelSection::storeFields() {
    const QString url = url_->text().trimmed();
    const QString model = model_->text().trimmed();
    if (url == ModelPref::url(defaults_) && model == ModelPref::name(defaults_)) return;
    ModelPref::store(defaults_, url, model);
    checkAgain();
}

void LocalModelSection::checkAgain() {
    const quint64 check = ++latestCheck_;
    showChecking();
    auto* watcher = new QFutureWatcher<ProbeAnswer>(this);
    connect(watcher, &QFutureWatcher<ProbeAnswer>::finished, this, [this, watcher, check] {
        watcher->deleteLater();
        if (check == latestCheck_) showResult(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([probe = probe_] { return probe->unavailabilityReason(); }));
}

void LocalModelSection::showChecking() {
    status_->setText(QStringLiteral("Checking…"));
    setTone(status_, "warn");
    reason_->hide();
}

void LocalModelSection::showResult(const std::optional<std::string>& reason) {
    if (reason) {
        status_->setText(QStringLiteral("No local model — explanations use built-in text"));
        setTone(status_, "neutral");
        reason_->setText(modelUnavailabilityText(*reason));
    } else {
        status_->setText(QStringLiteral("Local model available"));
        setTone(status_, "good");
    }
    reason_->setVisible(reason.has_value());
    emit statusShown();
}

} // namespace tindrel
