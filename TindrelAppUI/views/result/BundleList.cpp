#include "TindrelAppUI/views/result/BundleList.h"

#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"
#include "TindrelCore/knowledge/CertificateBundle.h"

#include <QVBoxLayout>

namespace tindrel {
namespace {

using namespace CertificateBundle;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString certificateTooltip(const PEMBundle::Certificate& certificate) {
    QStringList lines;
    if (!certificate.facts.sanDNS.empty()) {
        QStringList names;
        for (const std::string& name : certificate.facts.sanDNS)
            names << qs(name);
        lines << QStringLiteral("SAN: ") + names.join(QStringLiteral(", "));
    }
    lines << QStringLiteral("SHA-256: ") + qs(certificate.sha256);
    return lines.join('\n');
}

QWidget* blockRow(const PEMBundle::Bundle& bundle, std::size_t index) {
    const PEMBundle::Block& block = bundle.blocks[index];
    auto* row = new QWidget;
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    const std::string what = block.certificate ? names(*block.certificate) : blockSize(block);
    layout->addWidget(makeLabel(qs(blockName(index) + "  " + block.label + "  " + what), "body", true));
    if (!block.certificate) return row;
    std::string facts = validity(*block.certificate);
    if (block.certificate->key) facts += " \u00B7 " + keyText(*block.certificate->key);
    layout->addWidget(makeLabel(qs(facts), "meta", true));
    for (const PEMBundle::Link& link : bundle.links)
        if (link.issued == index) layout->addWidget(makeLabel(qs(linkText(link)), "meta", true));
    row->setToolTip(certificateTooltip(*block.certificate));
    return row;
}

} // namespace

BundleList::BundleList(const PEMBundle::Bundle& bundle, QWidget* parent)
    : QFrame(parent) {
    Theme::setRole(this, "raised");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeLabel(QStringLiteral("BUNDLE \u2014 ") + qs(overview(bundle)), "meta"));
    for (std::size_t i = 0; i < bundle.blocks.size(); ++i)
        layout->addWidget(blockRow(bundle, i));
    if (std::optional<std::string> first = expiresFirst(bundle))
        layout->addWidget(makeLabel(QStringLiteral("Expires first: ") + qs(*first), "meta", true));
}

} // namespace tindrel
