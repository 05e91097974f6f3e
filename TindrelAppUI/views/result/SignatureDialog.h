#pragma once

#include "TindrelCore/verify/VerificationKey.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tindrel {

// Asks for the key to check a token's signature with: a key file (PEM public key or certificate,
// JWK, JWK Set) or a shared secret typed in. The key goes to whoever listens to keyChosen and is
// not kept here: the secret field is emptied as soon as the key is made.
class SignatureDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SignatureDialog(QWidget* parent = nullptr);

    // What the file chooser does with the file picked; typing a secret drops it again.
    void chooseKeyFile(const QString& path);

    QLineEdit* secretField() const { return secret_; }
    QPushButton* verifyButton() const { return verify_; }
    QLabel* problemLine() const { return problem_; }

signals:
    void keyChosen(const VerificationKey& key);

private:
    std::optional<VerificationKey> chosenKey();
    void verify();
    void showProblem(const QString& text);

    QString keyPath_;
    QLabel* fileName_;
    QLineEdit* secret_;
    QLabel* problem_;
    QPushButton* verify_;
};

} // namespace tindrel
