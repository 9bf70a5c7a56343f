#include "richtext/LinkFormat.h"

namespace {
const QString Scheme = QStringLiteral("musarix-link:");
}

QString TLinkFormat::HrefForCode(const QString& Code)
{
    return Scheme + QString::fromLatin1(QUrl::toPercentEncoding(Code));
}

QString TLinkFormat::CodeFromHref(const QString& Href)
{
    if (!Href.startsWith(Scheme))
        return QString();
    return QUrl::fromPercentEncoding(Href.mid(Scheme.size()).toLatin1());
}

QString TLinkFormat::CodeFromUrl(const QUrl& Url)
{
    return CodeFromHref(Url.toString(QUrl::FullyEncoded));
}

QTextCharFormat TLinkFormat::LinkCharFormat(const QString& Code)
{
    QTextCharFormat format;
    format.setAnchor(true);
    format.setAnchorHref(HrefForCode(Code));
    format.setFontUnderline(true);
    format.setForeground(LinkColor());
    return format;
}

bool TLinkFormat::IsLink(const QTextCharFormat& Format)
{
    return Format.isAnchor() && Format.anchorHref().startsWith(Scheme);
}
