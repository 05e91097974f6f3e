#include "TindrelAppUI/views/result/SourceStrip.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tindrel {
namespace {

QPushButton* actionButton(const char* title) {
    auto* button = new QPushButton(QString::fromLatin1(title));
    Theme::setRole(button, "link");
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

SourceStrip::SourceStrip(QWidget* parent)
    : QWidget(parent)
    , chip_(makeLabel(QString(), "chip"))
    , editor_(new QPlainTextEdit)
    , sample_(actionButton("Sample"))
    , expand_(actionButton("Expand"))
    , clear_(actionButton("Clear")) {
    Theme::setRole(this, "surface");
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(this);
    auto* header = new QHBoxLayout;
    header->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::source), "meta"));
    chip_->setWordWrap(false);
    header->addWidget(chip_);
    header->addStretch();
    header->addWidget(sample_);
    header->addWidget(expand_);
    header->addWidget(clear_);
    layout->addLayout(header);
    editor_->setPlaceholderText(QString::fromUtf8(ScreenTexts::editorPlaceholder));
    editor_->setFixedHeight(collapsedHeight);
    layout->addWidget(editor_);
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        updateActions();
        emit inputEdited(editor_->toPlainText());
    });
    connect(sample_, &QPushButton::clicked, this, &SourceStrip::sampleRequested);
    connect(clear_, &QPushButton::clicked, this, &SourceStrip::clearRequested);
    connect(expand_, &QPushButton::clicked, this, &SourceStrip::toggleExpanded);
    setChip(std::nullopt);
    updateActions();
}

void SourceStrip::setInput(const QString& text) {
    if (editor_->toPlainText() == text) return;
    const QSignalBlocker quiet(editor_);
    editor_->setPlainText(text);
    updateActions();
}

void SourceStrip::setChip(const std::optional<QString>& chip) {
    chip_->setText(chip.value_or(QString()));
    chip_->setVisible(chip.has_value());
}

QString SourceStrip::chipText() const {
    return chip_->text();
}

bool SourceStrip::chipVisible() const {
    return !chip_->isHidden();
}

void SourceStrip::toggleExpanded() {
    expanded_ = !expanded_;
    editor_->setFixedHeight(expanded_ ? expandedHeight : collapsedHeight);
    expand_->setText(QString::fromLatin1(expanded_ ? "Collapse" : "Expand"));
}

void SourceStrip::updateActions() {
    const bool hasText = !editor_->document()->isEmpty();
    expand_->setVisible(hasText);
    clear_->setVisible(hasText);
}

} // namespace tindrel
