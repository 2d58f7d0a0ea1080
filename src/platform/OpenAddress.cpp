#include "platform/OpenAddress.h"

#include <QDesktopServices>
#include <QRegularExpression>

namespace caveto {

namespace {
AddressOpener g_opener;

bool isMailRecipient(const QString &path)
{
    // One plain address: a local part, one "@", a dotted host name.
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"));
    return pattern.match(path).hasMatch();
}
} // namespace

QUrl openableAddress(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return {};
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (url.host().isEmpty())
            return {};
        return url;
    }
    if (scheme == QLatin1String("mailto")) {
        if (url.hasQuery() || url.hasFragment() || !isMailRecipient(url.path()))
            return {};
        return url;
    }
    return {};
}

bool openAddress(const QString &address)
{
    const QUrl url = openableAddress(address);
    if (!url.isValid())
        return false;
    if (g_opener)
        return g_opener(url);
    return QDesktopServices::openUrl(url);
}

AddressOpener setAddressOpener(AddressOpener opener)
{
    AddressOpener previous = std::move(g_opener);
    g_opener = std::move(opener);
    return previous;
}

} // namespace caveto
