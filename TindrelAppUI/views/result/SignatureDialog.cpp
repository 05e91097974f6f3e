#include "TindrelAppUI/views/result/SignatureDialog.h"

#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tindrel {
namespace {

constexpr const char* enteredSecret = "entered secret";

void wipe(QByteArray& bytes) {
    bytes.fill('\0');
}

} // namespace

SignatureDialog::SignatureDialog(QWidget* parent)
    : QDialog(parent)
    , fileName_(makeLabel(QStringLiteral("No key file chosen"), "meta"))
    , secret_(new QLineEdit)
    , problem_(makeLabel(QString(), "body", true))
    , verify_(new QPushButton(QStringLiteral("Verify"))) {
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QStringLiteral("Verify Signature"));
    Theme::setRole(this, "root");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        makeLabel(QStringLiteral("Check the token's signature with a public key or certificate "
                                 "(PEM), a JWK or JWK Set, or the shared secret. The key is used "
                                 "for this result only and is never saved."),
                  "body"));
    auto* fileRow = new QHBoxLayout;
    auto* choose = new QPushButton(QStringLiteral("Key File\u2026"));
    fileRow->addWidget(choose);
    fileRow->addWidget(fileName_, 1);
    layout->addLayout(fileRow);
    secret_->setEchoMode(QLineEdit::Password);
    secret_->setPlaceholderText(QStringLiteral("or the shared secret (HS256, HS384, HS512)"));
    layout->addWidget(secret_);
    problem_->setVisible(false);
    layout->addWidget(problem_);
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(verify_);
    layout->addLayout(buttons);
    verify_->setDefault(true);
    connect(choose, &QPushButton::clicked, this, [this] {
        QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Choose a Key File"));
        if (!path.isEmpty()) chooseKeyFile(path);
    });
    connect(secret_, &QLineEdit::textEdited, this, [this] { chooseKeyFile(QString()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(verify_, &QPushButton::clicked, this, &SignatureDialog::verify);
    connect(this, &QDialog::finished, secret_, &QLineEdit::clear);
}

void SignatureDialog::chooseKeyFile(const QString& path) {
    keyPath_ = path;
    fileName_->setText(path.isEmpty() ? QStringLiteral("No key file chosen") : QFileInfo(path).fileName());
    if (!path.isEmpty()) secret_->clear();
}

std::optional<VerificationKey> SignatureDialog::chosenKey() {
    if (!keyPath_.isEmpty()) {
        QFile file(keyPath_);
        const QString name = QFileInfo(keyPath_).fileName();
        if (!file.open(QIODevice::ReadOnly)) {
            showProblem(QStringLiteral("%1 cannot be read.").arg(name));
            return std::nullopt;
        }
        QByteArray bytes = file.readAll();
        VerificationKey key =
            VerificationKey::fromFile(name.toStdString(), {bytes.constData(), size_t(bytes.size())});
        wipe(bytes);
        return key;
    }
    if (secret_->text().isEmpty()) {
        showProblem(QStringLiteral("Choose a key file or enter the shared secret."));
        return std::nullopt;
    }
    QByteArray secret = secret_->text().toUtf8();
    VerificationKey key =
        VerificationKey::fromSecret(enteredSecret, {secret.constData(), size_t(secret.size())});
    wipe(secret);
    secret_->clear();
    return key;
}

void SignatureDialog::verify() {
    std::optional<VerificationKey> key = chosenKey();
    if (!key) return;
    if (key->problem()) {
        showProblem(QString::fromStdString(*key->problem()));
        return;
    }
    emit keyChosen(*key);
    accept();
}

void SignatureDialog::showProblem(const QString& text) {
    problem_->setText(text);
    problem_->setVisible(true);
}

} // namespace tindrel
