#pragma once

// A SOAP 1.1 client for document/literal services. It reads the service description (WSDL) once,
// takes the service's namespace, its endpoint and its operations from it, and then calls operations
// by name: the name is resolved without regard to case, the request's outer element is the one the
// description names for the operation, and every child element is written in the service's
// namespace. Values are XML-escaped. Calls are synchronous for the caller: a local event loop waits
// for the answer (with a time limit) and lets the program repaint its windows meanwhile; user input
// waits until the call has ended, and a call made while another one waits is refused.
//
// Secure addresses (https) are verified: an untrusted or mismatching certificate is refused.

#include "soap/Element.h"

#include <QHash>
#include <QList>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkRequest;

namespace soap {

/** Why the last call gave no answer. */
struct Fout
{
    enum class Soort
    {
        Geen,
        NietIngesteld, ///< no service description could be read
        Adres,         ///< the address (or the endpoint a description names) is refused: not https
        Verbinding,    ///< no connection (refused, unknown host, broken)
        Tijd,          ///< no answer within the time limit
        Certificaat,   ///< the secure connection was refused (certificate not trusted)
        Http,          ///< an HTTP error that was not a SOAP fault
        Xml,           ///< the answer is not readable XML or not a SOAP message
        Fault,         ///< the service answered with a SOAP fault
        Operatie,      ///< the service description has no such operation
        Bezig          ///< another call is still waiting
    };
    Soort soort = Soort::Geen;
    QString tekst; ///< a Dutch description for the user
};

class SoapClient
{
public:
    SoapClient();
    ~SoapClient();
    SoapClient(const SoapClient&) = delete;
    SoapClient& operator=(const SoapClient&) = delete;

    /**
     * Reads the service description and takes the namespace, the endpoint and the operations from it.
     * @param wsdlAdres the address of the description (the service's address followed by "?WSDL")
     * @param service the service whose port gives the endpoint; the first service when none has this name
     * @param poort the port of that service; its first port when none has this name
     * @return false when the description could not be fetched or read (see laatsteFout)
     */
    bool initialiseren(const QString& wsdlAdres, const QString& service, const QString& poort);
    bool isKlaar() const { return m_klaar; }

    QString naamruimte() const { return m_naamruimte; }
    QUrl eindpunt() const { return m_eindpunt; }

    /**
     * Calls an operation with the given request children.
     * @param operatie the operation's name, in any case
     * @param verzoek the request element's children (their names are local; the namespace is added)
     * @return the children of the answer's body element, or nothing on any failure (see laatsteFout)
     */
    std::optional<Knooplijst> aanroepen(const QString& operatie, const Knooplijst& verzoek);

    /** The body that the last call sent (for tests and diagnosis). */
    const QByteArray& laatsteVerzoek() const { return m_laatsteVerzoek; }
    const Fout& laatsteFout() const { return m_fout; }
    /** The code and text of the SOAP fault of the last call; empty when it was no fault. */
    QString FaultCode() const { return m_faultCode; }
    QString FaultString() const { return m_faultString; }

    /** The time limit of one request, in milliseconds (60 seconds unless set). */
    void zetTijdslimiet(int ms) { m_tijdslimiet = ms; }
    /** Certificates trusted besides the system's (a private test service). */
    void zetExtraCertificaten(const QList<QSslCertificate>& certificaten) { m_extraCertificaten = certificaten; }

private:
    struct Operatie
    {
        QString naam;
        QString verzoekElement;
        QString soapAction;
    };
    struct Antwoord
    {
        bool ontvangen = false; ///< an HTTP answer came (any status)
        int status = 0;
        QByteArray inhoud;
    };

    Antwoord verzenden(QNetworkRequest& verzoek, const QByteArray* inhoud);
    bool beschrijvingLezen(const QByteArray& xml, const QString& service, const QString& poort);
    void zetFout(Fout::Soort soort, const QString& tekst);

    std::unique_ptr<QNetworkAccessManager> m_net;
    bool m_klaar = false;
    bool m_bezig = false;
    QString m_naamruimte;
    QUrl m_eindpunt;
    QHash<QString, Operatie> m_operaties; ///< by name in lower case
    QList<QSslCertificate> m_extraCertificaten;
    int m_tijdslimiet = 60000;
    QByteArray m_laatsteVerzoek;
    Fout m_fout;
    QString m_faultCode;
    QString m_faultString;
};

} // namespace soap
