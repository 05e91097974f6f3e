#include "TindrelAppUI/views/result/SourceStrip.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelAppUI/views/result/InputEditor.h"

#include <QHBoxLayout>
#include <QPushButton>
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
    , editor_(new InputEditor)
    , notice_(makeLabel(QString(), "meta"))
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
    layout->addWidget(notice_);
    notice_->setVisible(false);
    connect(editor_, &InputEditor::typed, this, [this](const QString& text) {
        updateActions();
        emit inputEdited(text);
    });
    connect(editor_, &InputEditor::pasted, this, [this](const QString& text) {
        updateActions();
        emit inputPasted(text);
    });
    connect(sample_, &QPushButton::clicked, this, &SourceStrip::sampleRequested);
    connect(clear_, &QPushButton::clicked, this, &SourceStrip::clearRequested);
    connect(expand_, &QPushButton::clicked, this, &SourceStrip::toggleExpanded);
    setChip(std::nullopt);
    updateActions();
}

void SourceStrip::setInput(const QString& text) {
    if (editor_->wholeText() == text) return;
    editor_->setWholeText(text);
    const std::optional<QString> said = editor_->notice();
    notice_->setText(said.value_or(QString()));
    notice_->setVisible(said.has_value());
    updateActions();
}

std::optional<QString> SourceStrip::notice() const {
    return editor_->notice();
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
