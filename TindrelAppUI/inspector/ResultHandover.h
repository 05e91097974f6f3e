#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QString>
#include <optional>

class QWidget;

// Hands the result in focus to the user: its Markdown and JSON texts, a save dialog and the mail
// composer that stands in for a share sheet on Linux.
namespace tindrel::ResultHandover {

inline const char* const suggestedName = "tindrel-result";

// The Markdown report with the explanation (when ready) and the chain's next steps.
QString markdown(const DecodeChain& chain, const std::optional<QString>& explanation);
// The same report with the chain's secrets masked, fit to attach to a bug report.
QString redactedMarkdown(const DecodeChain& chain, const std::optional<QString>& explanation);
QString json(const DecodeChain& chain);

// A non-modal save dialog proposing "tindrel-result.<ext>" in saveFolder; the text is written as UTF-8
// where the user chooses, replacing any file there, and that folder is the next dialog's. Cancelling or
// a failed write does nothing.
void save(const QString& text, const QString& ext, QWidget* parent);
// Where a save dialog opens: the folder of this session's last save while it exists, else the user's
// documents folder when there is one, else the home folder — never the working directory.
QString saveFolder(const QString& lastUsed, const QString& documents, const QString& home);
// The mailto: address that opens the desktop's mail composer with the text as the message body.
QString mailURL(const QString& text);
// Opens the composer; false when the desktop could not.
bool share(const QString& text);

} // namespace tindrel::ResultHandover
