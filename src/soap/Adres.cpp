#include "Adres.h"

#include <QHostAddress>

namespace soap {

namespace {

bool lokaal(const QString& host)
{
    if (host.compare(u"localhost", Qt::CaseInsensitive) == 0)
        return true;
    QHostAddress adres;
    return adres.setAddress(host) && adres.isLoopback();
}

} // namespace

bool adresToegestaan(const QUrl& adres)
{
    if (!adres.isValid() || adres.host().isEmpty())
        return false;
    const QString schema = adres.scheme().toLower();
    return schema == u"https" || (schema == u"http" && lokaal(adres.host()));
}

QString adresWeigering(const QString& adres, const QString& wat)
{
    const QUrl url(adres.trimmed(), QUrl::StrictMode);
    if (adresToegestaan(url))
        return QString();
    if (url.isValid() && url.scheme().compare(u"http", Qt::CaseInsensitive) == 0 && !url.host().isEmpty()) {
        return QStringLiteral("%1 (%2) begint met http:// in plaats van https://: de gebruikersnaam en het paswoord "
                              "zouden onbeveiligd verstuurd worden.")
            .arg(wat, adres.trimmed());
    }
    return QStringLiteral("%1 (%2) is geen geldig https-adres.").arg(wat, adres.trimmed());
}

} // namespace soap
