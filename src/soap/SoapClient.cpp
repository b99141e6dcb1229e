#include "SoapClient.h"

#include "soap/Adres.h"

#include <QDomDocument>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>
#include <QXmlStreamWriter>

#include <algorithm>

namespace soap {

namespace {

const QString SoapEnvelop = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");

// The proxy of the current user, except for this machine's own addresses.
class GebruikersProxy : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& vraag) override
    {
        const QString host = vraag.peerHostName();
        QHostAddress adres;
        if (host.compare(u"localhost", Qt::CaseInsensitive) == 0 || (adres.setAddress(host) && adres.isLoopback()))
            return {QNetworkProxy(QNetworkProxy::NoProxy)};
        return QNetworkProxyFactory::systemProxyForQuery(vraag);
    }
};

QString zonderPrefix(const QString& naam)
{
    const qsizetype dubbelpunt = naam.indexOf(u':');
    return dubbelpunt < 0 ? naam : naam.mid(dubbelpunt + 1);
}

// The child elements of e with this local name (any namespace).
QList<QDomElement> kinderen(const QDomElement& e, const QString& naam)
{
    QList<QDomElement> uit;
    for (QDomElement k = e.firstChildElement(); !k.isNull(); k = k.nextSiblingElement()) {
        if (k.localName() == naam)
            uit << k;
    }
    return uit;
}

QDomElement eerste(const QDomElement& e, const QString& naam)
{
    const QList<QDomElement> l = kinderen(e, naam);
    return l.isEmpty() ? QDomElement() : l.first();
}

void schrijven(QXmlStreamWriter& w, const QString& ns, const Element& e)
{
    w.writeStartElement(ns, e.naam());
    if (e.kinderen().isEmpty()) {
        w.writeCharacters(e.tekst());
    } else {
        for (const Element& k : e.kinderen())
            schrijven(w, ns, k);
    }
    w.writeEndElement();
}

} // namespace

SoapClient::SoapClient()
    : m_net(std::make_unique<QNetworkAccessManager>())
{
    m_net->setProxyFactory(new GebruikersProxy);
}

SoapClient::~SoapClient() = default;

void SoapClient::zetFout(Fout::Soort soort, const QString& tekst)
{
    m_fout.soort = soort;
    m_fout.tekst = tekst;
}

SoapClient::Antwoord SoapClient::verzenden(QNetworkRequest& verzoek, const QByteArray* inhoud)
{
    Antwoord a;
    if (m_bezig) {
        zetFout(Fout::Soort::Bezig, QStringLiteral("Er loopt al een opvraging bij de webdienst."));
        return a;
    }
    m_bezig = true;
    // Certificates are always checked; a private service may add its own trusted ones.
    QSslConfiguration ssl = verzoek.sslConfiguration();
    ssl.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!m_extraCertificaten.isEmpty())
        ssl.addCaCertificates(m_extraCertificaten);
    verzoek.setSslConfiguration(ssl);
    verzoek.setTransferTimeout(0);

    QNetworkReply* antwoord = inhoud ? m_net->post(verzoek, *inhoud) : m_net->get(verzoek);
    QEventLoop lus;
    QTimer klok;
    klok.setSingleShot(true);
    bool verlopen = false;
    QList<QSslError> sslFouten;
    bool teGroot = false;
    QObject::connect(antwoord, &QNetworkReply::finished, &lus, &QEventLoop::quit);
    // An answer larger than any real one is not read to its end.
    QObject::connect(antwoord, &QNetworkReply::downloadProgress, &lus, [&](qint64 ontvangen, qint64 totaal) {
        if (!teGroot && std::max(ontvangen, totaal) > Element::MaxGrootte) {
            teGroot = true;
            antwoord->abort();
        }
    });
    QObject::connect(antwoord, &QNetworkReply::sslErrors, &lus,
                     [&sslFouten](const QList<QSslError>& fouten) { sslFouten = fouten; });
    QObject::connect(&klok, &QTimer::timeout, &lus, [&] {
        verlopen = true;
        antwoord->abort();
    });
    klok.start(m_tijdslimiet);
    if (!antwoord->isFinished())
        lus.exec(QEventLoop::ExcludeUserInputEvents);
    klok.stop();

    const QString waar = verzoek.url().toDisplayString(QUrl::RemoveQuery | QUrl::RemoveUserInfo);
    const QVariant status = antwoord->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (teGroot) {
        zetFout(Fout::Soort::Xml, QStringLiteral("Het antwoord van de webdienst op %1 is onleesbaar. Het document is "
                                                 "groter dan %2 MB.")
                                      .arg(waar)
                                      .arg(Element::MaxGrootte / (1024 * 1024)));
    } else if (verlopen) {
        zetFout(Fout::Soort::Tijd, QStringLiteral("De webdienst op %1 antwoordde niet binnen %2 seconden.")
                                       .arg(waar)
                                       .arg((m_tijdslimiet + 999) / 1000));
    } else if (!sslFouten.isEmpty() || antwoord->error() == QNetworkReply::SslHandshakeFailedError) {
        QString reden = sslFouten.isEmpty() ? antwoord->errorString() : sslFouten.first().errorString();
        zetFout(Fout::Soort::Certificaat,
                QStringLiteral("De beveiligde verbinding met %1 werd geweigerd: het certificaat van de webdienst "
                               "wordt niet vertrouwd (%2).")
                    .arg(waar, reden));
    } else if (status.isValid()) {
        a.ontvangen = true;
        a.status = status.toInt();
        a.inhoud = antwoord->readAll();
        if (a.status >= 300)
            zetFout(Fout::Soort::Http, QStringLiteral("De webdienst op %1 meldde een fout (HTTP %2).").arg(waar).arg(a.status));
    } else {
        zetFout(Fout::Soort::Verbinding,
                QStringLiteral("Geen verbinding met de webdienst op %1 (%2).").arg(waar, antwoord->errorString()));
    }
    antwoord->deleteLater();
    m_bezig = false;
    return a;
}

bool SoapClient::initialiseren(const QString& wsdlAdres, const QString& service, const QString& poort)
{
    m_klaar = false;
    m_fout = Fout();
    // Only a secure address, or plain http to this machine itself.
    const QUrl url(wsdlAdres.trimmed(), QUrl::StrictMode);
    if (wsdlAdres.trimmed().isEmpty()) {
        zetFout(Fout::Soort::NietIngesteld, adresWeigering(wsdlAdres));
        return false;
    }
    if (!adresToegestaan(url)) {
        // Named as the user wrote it, without the question for the description.
        QString adres = wsdlAdres.trimmed();
        if (adres.endsWith(QStringLiteral("?WSDL"), Qt::CaseInsensitive))
            adres.chop(5);
        zetFout(Fout::Soort::Adres, adresWeigering(adres));
        return false;
    }
    QNetworkRequest verzoek(url);
    const Antwoord a = verzenden(verzoek, nullptr);
    if (!a.ontvangen || a.status >= 300)
        return false;
    if (!beschrijvingLezen(a.inhoud, service, poort))
        return false;
    m_klaar = true;
    m_fout = Fout();
    return true;
}

bool SoapClient::beschrijvingLezen(const QByteArray& xml, const QString& service, const QString& poort)
{
    // The document tree below is built recursively and freed so: a description nested deeper or
    // larger than any real one is refused before it is built.
    QString melding = Element::binnenGrenzen(xml);
    if (!melding.isEmpty()) {
        zetFout(Fout::Soort::Xml, QStringLiteral("De beschrijving van de webdienst is onleesbaar. %1").arg(melding));
        return false;
    }
    QDomDocument doc;
    if (!doc.setContent(xml, true, &melding)) {
        zetFout(Fout::Soort::Xml, QStringLiteral("De beschrijving van de webdienst is geen geldige XML: %1").arg(melding));
        return false;
    }
    const QDomElement def = doc.documentElement();
    m_naamruimte = def.attribute(QStringLiteral("targetNamespace"));

    // Messages: name -> the element of their part.
    QHash<QString, QString> berichten;
    for (const QDomElement& m : kinderen(def, QStringLiteral("message"))) {
        const QDomElement deel = eerste(m, QStringLiteral("part"));
        berichten.insert(m.attribute(QStringLiteral("name")), zonderPrefix(deel.attribute(QStringLiteral("element"))));
    }
    m_operaties.clear();
    for (const QDomElement& pt : kinderen(def, QStringLiteral("portType"))) {
        for (const QDomElement& o : kinderen(pt, QStringLiteral("operation"))) {
            Operatie op;
            op.naam = o.attribute(QStringLiteral("name"));
            const QString bericht = zonderPrefix(eerste(o, QStringLiteral("input")).attribute(QStringLiteral("message")));
            op.verzoekElement = berichten.value(bericht);
            if (op.verzoekElement.isEmpty())
                op.verzoekElement = op.naam;
            op.soapAction = op.naam;
            m_operaties.insert(op.naam.toLower(), op);
        }
    }
    for (const QDomElement& b : kinderen(def, QStringLiteral("binding"))) {
        for (const QDomElement& o : kinderen(b, QStringLiteral("operation"))) {
            auto it = m_operaties.find(o.attribute(QStringLiteral("name")).toLower());
            const QDomElement so = eerste(o, QStringLiteral("operation"));
            if (it != m_operaties.end() && so.hasAttribute(QStringLiteral("soapAction")))
                it->soapAction = so.attribute(QStringLiteral("soapAction"));
        }
    }

    // The endpoint: the address of the named port of the named service.
    QDomElement gekozen;
    [&] {
        for (const QDomElement& s : kinderen(def, QStringLiteral("service"))) {
            for (const QDomElement& p : kinderen(s, QStringLiteral("port"))) {
                if (gekozen.isNull())
                    gekozen = p;
                if (s.attribute(QStringLiteral("name")) == service && p.attribute(QStringLiteral("name")) == poort) {
                    gekozen = p;
                    return;
                }
            }
        }
    }();
    const QString locatie = eerste(gekozen, QStringLiteral("address")).attribute(QStringLiteral("location"));
    m_eindpunt = QUrl(locatie);
    if (m_naamruimte.isEmpty() || !m_eindpunt.isValid() || m_eindpunt.host().isEmpty() || m_operaties.isEmpty()) {
        zetFout(Fout::Soort::Xml, QStringLiteral("De beschrijving van de webdienst mist de naamruimte, het adres of de bewerkingen."));
        return false;
    }
    // The description names where the requests (with the credentials) go: the same rule holds there.
    if (!adresToegestaan(m_eindpunt)) {
        zetFout(Fout::Soort::Adres,
                adresWeigering(locatie, QStringLiteral("Het adres dat de beschrijving van de webdienst opgeeft")));
        return false;
    }
    return true;
}

std::optional<Knooplijst> SoapClient::aanroepen(const QString& operatie, const Knooplijst& verzoekKinderen)
{
    m_faultCode.clear();
    m_faultString.clear();
    if (!m_klaar) {
        if (m_fout.soort == Fout::Soort::Geen)
            zetFout(Fout::Soort::NietIngesteld, QStringLiteral("De webdienst is niet bereikbaar."));
        return std::nullopt;
    }
    m_fout = Fout();
    const auto it = m_operaties.constFind(operatie.toLower());
    if (it == m_operaties.constEnd()) {
        zetFout(Fout::Soort::Operatie, QStringLiteral("De webdienst kent de bewerking %1 niet.").arg(operatie));
        return std::nullopt;
    }

    QByteArray inhoud;
    {
        QXmlStreamWriter w(&inhoud);
        w.writeStartDocument();
        w.writeNamespace(SoapEnvelop, QStringLiteral("SOAP-ENV"));
        w.writeNamespace(m_naamruimte, QStringLiteral("ns1"));
        w.writeStartElement(SoapEnvelop, QStringLiteral("Envelope"));
        w.writeStartElement(SoapEnvelop, QStringLiteral("Body"));
        w.writeStartElement(m_naamruimte, it->verzoekElement);
        for (const Element& k : verzoekKinderen)
            schrijven(w, m_naamruimte, k);
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndDocument();
    }
    m_laatsteVerzoek = inhoud;

    QNetworkRequest verzoek(m_eindpunt);
    verzoek.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/xml; charset=utf-8"));
    verzoek.setRawHeader("SOAPAction", QStringLiteral("\"%1\"").arg(it->soapAction).toUtf8());
    const Antwoord a = verzenden(verzoek, &inhoud);
    if (!a.ontvangen)
        return std::nullopt;

    Element envelop;
    QString melding;
    if (!Element::lezen(a.inhoud, envelop, &melding)) {
        // An error page of the server stays an HTTP error; a fault too deep or too large to read is
        // an unreadable answer like any other.
        if (a.status < 300 || !Element::binnenGrenzen(a.inhoud).isEmpty())
            zetFout(Fout::Soort::Xml, QStringLiteral("Het antwoord van de webdienst is onleesbaar. %1").arg(melding));
        return std::nullopt;
    }
    const Element* lichaam = envelop.naam() == u"Envelope" ? envelop.kind(u"Body") : nullptr;
    const Element* eerste = (lichaam && !lichaam->kinderen().isEmpty()) ? &lichaam->kinderen().first() : nullptr;
    if (eerste && eerste->naam() == u"Fault") {
        m_faultCode = eerste->kindTekst(u"faultcode");
        m_faultString = eerste->kindTekst(u"faultstring");
        if (m_faultCode.isEmpty())
            m_faultCode = QStringLiteral("Server");
        zetFout(Fout::Soort::Fault, QStringLiteral("De webdienst meldde fout %1: %2").arg(m_faultCode, m_faultString));
        return std::nullopt;
    }
    if (a.status >= 300)
        return std::nullopt;
    if (!eerste) {
        zetFout(Fout::Soort::Xml, QStringLiteral("Het antwoord van de webdienst is geen SOAP-bericht."));
        return std::nullopt;
    }
    return eerste->kinderen();
}

} // namespace soap
