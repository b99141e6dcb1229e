#include "NepDienst.h"

#include <QDomDocument>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace testhulp {

namespace {

QByteArray bestand(const QString& naam)
{
    QFile f(QStringLiteral(NEPDIENST_MAP) + u'/' + naam);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("test file %s missing", qPrintable(naam));
    return f.readAll();
}

// The operations: name, request element, response element.
struct Operatie
{
    const char* naam;
    const char* verzoek;
    const char* antwoord;
};
const Operatie operaties[] = {
    {"Test", "TestRequest", "TestResponse"},
    {"GetClubs", "GetClubs", "GetClubsResponse"},
    {"GetMembers", "GetMembersRequest", "GetMembersResponse"},
    {"GetMatches", "GetMatchesRequest", "GetMatchesResponse"},
    {"GetClubTeams", "GetClubTeamsRequest", "GetClubTeamsResponse"},
    {"GetDivisionRanking", "GetDivisionRankingRequest", "GetDivisionRankingResponse"},
};

} // namespace

NepDienst::NepDienst(bool beveiligd)
    : m_beveiligd(beveiligd)
{
    if (beveiligd) {
        auto* s = new QSslServer(this);
        QSslConfiguration c = QSslConfiguration::defaultConfiguration();
        c.setLocalCertificate(certificaat());
        c.setPrivateKey(QSslKey(bestand(QStringLiteral("nepdienst-sleutel.pem")), QSsl::Rsa));
        c.setPeerVerifyMode(QSslSocket::VerifyNone);
        s->setSslConfiguration(c);
        m_server = s;
        connect(s, &QSslServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* k = m_server->nextPendingConnection())
                verbinding(k);
        });
    } else {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* k = m_server->nextPendingConnection())
                verbinding(k);
        });
    }
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qFatal("fake service cannot listen");
    m_poort = m_server->serverPort();
    zetAntwoord(QStringLiteral("TestRequest"),
                QStringLiteral("<ns1:Timestamp>2010-09-15T10:00:00+02:00</ns1:Timestamp><ns1:ApiVersion>0.7.16</ns1:ApiVersion>"
                               "<ns1:IsValidAccount>false</ns1:IsValidAccount><ns1:Language>nl</ns1:Language>"
                               "<ns1:Database>test</ns1:Database>"));
}

NepDienst::~NepDienst() = default;

QSslCertificate NepDienst::certificaat()
{
    return QSslCertificate(bestand(QStringLiteral("nepdienst-certificaat.pem")));
}

QString NepDienst::adres() const
{
    return QStringLiteral("%1://127.0.0.1:%2/0.7/").arg(m_beveiligd ? "https" : "http").arg(m_poort);
}

void NepDienst::zetAntwoord(const QString& verzoekElement, const QString& kinderen)
{
    m_antwoorden.insert(verzoekElement, kinderen);
}

void NepDienst::zetAntwoord(const QString& verzoekElement, std::function<QString(const Velden&)> maker)
{
    m_makers.insert(verzoekElement, std::move(maker));
}

void NepDienst::zetStoring(Storing storing, const QString& code, const QString& tekst)
{
    m_storing = storing;
    m_faultCode = code;
    m_faultString = tekst;
}

void NepDienst::zetVertraging(const QString& verzoekElement, int ms)
{
    if (ms <= 0)
        m_vertragingen.remove(verzoekElement);
    else
        m_vertragingen.insert(verzoekElement, ms);
}

void NepDienst::zetRuwAntwoord(const QString& verzoekElement, int status, const QByteArray& inhoud)
{
    if (inhoud.isEmpty())
        m_ruw.remove(verzoekElement);
    else
        m_ruw.insert(verzoekElement, {status, inhoud});
}

void NepDienst::stoppen()
{
    m_server->close();
}

QList<NepDienst::Verzoek> NepDienst::verzoeken(const QString& operatie) const
{
    QList<Verzoek> uit;
    for (const Verzoek& v : m_verzoeken) {
        if (v.operatie == operatie)
            uit << v;
    }
    return uit;
}

QByteArray NepDienst::envelop(const QString& antwoordElement, const QString& kinderen)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                          "xmlns:ns1=\"%1\"><SOAP-ENV:Body><ns1:%2>%3</ns1:%2></SOAP-ENV:Body></SOAP-ENV:Envelope>")
        .arg(Naamruimte, antwoordElement, kinderen)
        .toUtf8();
}

QByteArray NepDienst::beschrijving() const
{
    QString berichten;
    QString poortType;
    QString binding;
    for (const Operatie& o : operaties) {
        berichten += QStringLiteral("<message name=\"%1Request\"><part name=\"parameters\" element=\"tns:%2\"/></message>"
                                    "<message name=\"%1Response\"><part name=\"parameters\" element=\"tns:%3\"/></message>")
                         .arg(o.naam, o.verzoek, o.antwoord);
        poortType += QStringLiteral("<operation name=\"%1\"><input message=\"tns:%1Request\"/>"
                                    "<output message=\"tns:%1Response\"/></operation>")
                         .arg(o.naam);
        binding += QStringLiteral("<operation name=\"%1\"><soap:operation soapAction=\"%1\"/>"
                                  "<input><soap:body use=\"literal\"/></input><output><soap:body use=\"literal\"/></output>"
                                  "</operation>")
                       .arg(o.naam);
    }
    QString schema = QString::fromUtf8(bestand(QStringLiteral("TabTAPI.xsd")));
    schema.remove(QRegularExpression(QStringLiteral("^<\\?xml[^>]*\\?>")));
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<definitions xmlns=\"http://schemas.xmlsoap.org/wsdl/\" "
                          "xmlns:soap=\"http://schemas.xmlsoap.org/wsdl/soap/\" xmlns:tns=\"%1\" "
                          "targetNamespace=\"%1\" name=\"TabTAPI\"><types>%2</types>%3"
                          "<portType name=\"TabTAPI_PortType\">%4</portType>"
                          "<binding name=\"TabTAPI_Binding\" type=\"tns:TabTAPI_PortType\">"
                          "<soap:binding style=\"document\" transport=\"http://schemas.xmlsoap.org/soap/http\"/>%5</binding>"
                          "<service name=\"TabTAPI_Service\"><port name=\"TabTAPI_Port\" binding=\"tns:TabTAPI_Binding\">"
                          "<soap:address location=\"%6\"/></port></service></definitions>")
        .arg(Naamruimte, schema, berichten, poortType, binding, adres())
        .toUtf8();
}

void NepDienst::verbinding(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { lezen(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        m_buffers.remove(socket);
        socket->deleteLater();
    });
    if (socket->bytesAvailable() > 0)
        lezen(socket);
}

void NepDienst::lezen(QTcpSocket* socket)
{
    QByteArray& buf = m_buffers[socket];
    buf += socket->readAll();
    const qsizetype einde = buf.indexOf("\r\n\r\n");
    if (einde < 0)
        return;
    const QByteArray kop = buf.left(einde);
    qsizetype lengte = 0;
    QByteArray actie;
    for (const QByteArray& r : kop.split('\n')) {
        const QByteArray regel = r.trimmed();
        if (regel.toLower().startsWith("content-length:"))
            lengte = regel.mid(15).trimmed().toLongLong();
        if (regel.toLower().startsWith("soapaction:"))
            actie = regel.mid(11).trimmed();
    }
    if (buf.size() < einde + 4 + lengte)
        return;
    const QByteArray inhoud = buf.mid(einde + 4, lengte);
    buf.clear();

    if (kop.startsWith("GET ")) {
        const bool wsdl = kop.toUpper().contains("?WSDL");
        antwoorden(socket, wsdl ? 200 : 404,
                   !wsdl ? QByteArray() : m_beschrijving.isEmpty() ? beschrijving() : m_beschrijving);
        return;
    }
    QDomDocument doc;
    doc.setContent(inhoud, true);
    const QDomElement lichaam = doc.documentElement().firstChildElement();
    Verzoek v{lichaam.firstChildElement().localName(), QString::fromUtf8(actie), inhoud};
    m_verzoeken << v;
    if (const auto ruw = m_ruw.constFind(v.operatie); ruw != m_ruw.constEnd()) {
        antwoorden(socket, ruw->first, ruw->second);
        return;
    }
    switch (m_storing) {
    case Storing::Vertragen:
        return; // the connection stays open without an answer
    case Storing::OngeldigeXml:
        antwoorden(socket, 200, "<SOAP-ENV:Envelope><ns1:Broken>");
        return;
    case Storing::Http500:
        antwoorden(socket, 500, "<html><body>Internal Server Error</body></html>");
        return;
    case Storing::Fault:
        antwoorden(socket, 500,
                   QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope "
                                  "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body>"
                                  "<SOAP-ENV:Fault><faultcode>%1</faultcode><faultstring>%2</faultstring>"
                                  "</SOAP-ENV:Fault></SOAP-ENV:Body></SOAP-ENV:Envelope>")
                       .arg(m_faultCode, m_faultString.toHtmlEscaped())
                       .toUtf8());
        return;
    case Storing::Geen:
        break;
    }
    for (const Operatie& o : operaties) {
        if (v.operatie == QLatin1String(o.verzoek)) {
            QString kinderen = m_antwoorden.value(v.operatie);
            if (const auto maker = m_makers.constFind(v.operatie); maker != m_makers.constEnd()) {
                Velden velden;
                for (QDomElement k = lichaam.firstChildElement().firstChildElement(); !k.isNull(); k = k.nextSiblingElement())
                    velden.insert(k.localName(), k.text());
                kinderen = (*maker)(velden);
            }
            const QByteArray antwoord = envelop(QLatin1String(o.antwoord), kinderen);
            if (const int ms = m_vertragingen.value(v.operatie); ms > 0) {
                // The client may have given up and closed the connection by then.
                QTimer::singleShot(ms, this, [this, s = QPointer<QTcpSocket>(socket), antwoord] {
                    if (s && s->state() == QAbstractSocket::ConnectedState)
                        antwoorden(s, 200, antwoord);
                });
                return;
            }
            antwoorden(socket, 200, antwoord);
            return;
        }
    }
    antwoorden(socket, 500, QByteArray());
}

void NepDienst::antwoorden(QTcpSocket* socket, int status, const QByteArray& inhoud)
{
    QByteArray kop = QByteArrayLiteral("HTTP/1.1 ") + QByteArray::number(status)
                     + (status == 200 ? " OK" : status == 404 ? " Not Found" : " Internal Server Error")
                     + "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " + QByteArray::number(inhoud.size())
                     + "\r\nConnection: close\r\n\r\n";
    socket->write(kop + inhoud);
    socket->disconnectFromHost();
}

// ---------------------------------------------------------------------------------------------

namespace {

QDomElement schemaElement(const QDomDocument& schema, const QString& naam, const QString& soort)
{
    for (QDomElement e = schema.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.localName() == soort && e.attribute(QStringLiteral("name")) == naam)
            return e;
    }
    return {};
}

QString controleren(const QDomDocument& schema, const QDomElement& verzoek, QDomElement type)
{
    // The particles of the type: xsd:all or xsd:sequence.
    QDomElement groep = type.firstChildElement();
    QHash<QString, QDomElement> toegelaten;
    for (QDomElement p = groep.firstChildElement(); !p.isNull(); p = p.nextSiblingElement())
        toegelaten.insert(p.attribute(QStringLiteral("name")), p);
    QHash<QString, int> gezien;
    for (QDomElement k = verzoek.firstChildElement(); !k.isNull(); k = k.nextSiblingElement()) {
        if (k.namespaceURI() != NepDienst::Naamruimte)
            return QStringLiteral("%1 is not in the service's namespace").arg(k.tagName());
        if (!toegelaten.contains(k.localName()))
            return QStringLiteral("%1 is not allowed in %2").arg(k.localName(), verzoek.localName());
        if (++gezien[k.localName()] > 1)
            return QStringLiteral("%1 occurs twice").arg(k.localName());
        const QString t = toegelaten.value(k.localName()).attribute(QStringLiteral("type"));
        const QString tekst = k.text();
        if (t == u"xsd:integer" && !QRegularExpression(QStringLiteral("^-?[0-9]+$")).match(tekst).hasMatch())
            return QStringLiteral("%1 is no integer: %2").arg(k.localName(), tekst);
        if (t == u"xsd:boolean" && !QStringList{"true", "false", "1", "0"}.contains(tekst))
            return QStringLiteral("%1 is no boolean: %2").arg(k.localName(), tekst);
        if (t.startsWith(u"tns:")) {
            const QDomElement sub = schemaElement(schema, t.mid(4), QStringLiteral("complexType"));
            if (!sub.isNull()) {
                const QString f = controleren(schema, k, sub);
                if (!f.isEmpty())
                    return f;
            } else {
                const QDomElement enkel = schemaElement(schema, t.mid(4), QStringLiteral("simpleType"));
                QStringList waarden;
                for (QDomElement e = enkel.firstChildElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
                    waarden << e.attribute(QStringLiteral("value"));
                if (!waarden.isEmpty() && !waarden.contains(tekst))
                    return QStringLiteral("%1 is not one of %2: %3").arg(k.localName(), waarden.join(u','), tekst);
            }
        }
    }
    for (auto it = toegelaten.constBegin(); it != toegelaten.constEnd(); ++it) {
        if (it->attribute(QStringLiteral("minOccurs"), QStringLiteral("1")) != u"0" && !gezien.contains(it.key()))
            return QStringLiteral("%1 is missing in %2").arg(it.key(), verzoek.localName());
    }
    return {};
}

} // namespace

QString verzoekControleren(const QByteArray& inhoud)
{
    QDomDocument schema;
    schema.setContent(bestand(QStringLiteral("TabTAPI.xsd")), true);
    QDomDocument doc;
    QString fout;
    if (!doc.setContent(inhoud, true, &fout))
        return QStringLiteral("not well-formed: ") + fout;
    const QDomElement envelop = doc.documentElement();
    if (envelop.localName() != u"Envelope" || envelop.namespaceURI() != u"http://schemas.xmlsoap.org/soap/envelope/")
        return QStringLiteral("no SOAP 1.1 envelope");
    const QDomElement verzoek = envelop.firstChildElement().firstChildElement();
    if (verzoek.namespaceURI() != NepDienst::Naamruimte)
        return QStringLiteral("the request element is not in the service's namespace");
    const QDomElement def = schemaElement(schema, verzoek.localName(), QStringLiteral("element"));
    if (def.isNull())
        return QStringLiteral("the schema has no element %1").arg(verzoek.localName());
    return controleren(schema, verzoek, def.firstChildElement());
}

} // namespace testhulp
