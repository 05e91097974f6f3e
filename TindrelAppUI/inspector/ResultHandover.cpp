#include "TindrelAppUI/inspector/ResultHandover.h"

#include "TindrelAppUI/inspector/MediumDateText.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelReport/ResultExport.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace tindrel::ResultHandover {
namespace {

QString& lastSaveFolder() {
    static QString folder; // the GUI thread's alone
    return folder;
}

} // namespace

QString markdown(const DecodeChain& chain, const std::optional<QString>& explanation) {
    std::optional<std::string> text;
    if (explanation) text = explanation->toStdString();
    return QString::fromStdString(
        ResultExport::markdown(chain, text, Explainer::nextSteps(chain), MediumDateText::formatter()));
}

QString redactedMarkdown(const DecodeChain& chain, const std::optional<QString>& explanation) {
    std::optional<std::string> text;
    if (explanation) text = explanation->toStdString();
    return QString::fromStdString(ResultExport::redactedMarkdown(
        chain, text, Explainer::nextSteps(chain), MediumDateText::formatter(), Redaction::Mode::secrets));
}

QString json(const DecodeChain& chain) {
    return QString::fromStdString(TindrelJSON::string(chain));
}

void save(const QString& text, const QString& ext, QWidget* parent) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(ext);
    dialog->setDirectory(saveFolder(lastSaveFolder(),
                                    QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                    QDir::homePath()));
    dialog->selectFile(QString::fromLatin1(suggestedName) + QLatin1Char('.') + ext);
    dialog->setWindowModality(Qt::NonModal);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [text](const QString& path) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(text.toUtf8());
        // A failed write leaves any earlier file as it was.
        if (file.commit()) lastSaveFolder() = QFileInfo(path).absolutePath();
    });
    dialog->show();
}

QString saveFolder(const QString& lastUsed, const QString& documents, const QString& home) {
    for (const QString& folder : {lastUsed, documents})
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    return home;
}

QString mailURL(const QString& text) {
    return QStringLiteral("mailto:?body=") + QString::fromLatin1(QUrl::toPercentEncoding(text));
}

bool share(const QString& text) {
    return QDesktopServices::openUrl(QUrl(mailURL(text)));
}

} // namespace tindrel::ResultHandover
