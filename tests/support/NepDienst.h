#pragma once

// A fake of the competition's web service on 127.0.0.1 (an ephemeral port), for tests: it serves a
// service description and answers as the real server writes (prefix ns1:, no layout, optional
// elements left out, faults as HTTP 500 with a bare number), records every request, and can fail
// on purpose. Plain HTTP, or HTTPS with a self-signed certificate.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>

#include <functional>

class QTcpServer;
class QTcpSocket;

namespace testhulp {

class NepDienst : public QObject
{
public:
    enum class Storing
    {
        Geen,
        Vertragen,    ///< never answers an operation
        OngeldigeXml, ///< answers a broken document
        Http500,      ///< an HTTP 500 without a SOAP message
        Fault         ///< a SOAP fault with faultCode and faultString
    };
    struct Verzoek
    {
        QString operatie;  ///< the local name of the body's element
        QString soapAction;
        QByteArray inhoud;
    };

    static inline const QString Naamruimte = QStringLiteral("http://tabt.invalid/TabTAPI");

    explicit NepDienst(bool beveiligd = false);
    ~NepDienst() override;

    /** The service's address (the client adds "?WSDL"). */
    QString adres() const;
    /** The self-signed certificate of the secure form. */
    static QSslCertificate certificaat();

    /** The answer to an operation, by its request element: the children of the response element. */
    void zetAntwoord(const QString& verzoekElement, const QString& kinderen);
    /** The texts of a request's children, by local name. */
    using Velden = QHash<QString, QString>;
    /** An answer made from the request (the members of the club asked for, ...); it wins over a fixed answer. */
    void zetAntwoord(const QString& verzoekElement, std::function<QString(const Velden&)> maker);
    /** A failure for the next operations (not for the service description). */
    void zetStoring(Storing storing, const QString& code = QString(), const QString& tekst = QString());
    /**
     * An operation answered with this status and body, byte for byte (a hostile or broken server); it
     * wins over every other answer. An empty body takes it away again.
     */
    void zetRuwAntwoord(const QString& verzoekElement, int status, const QByteArray& inhoud);
    /**
     * An operation answered only after this many milliseconds, as a slow server does (the answer
     * itself as set); 0 answers at once again.
     */
    void zetVertraging(const QString& verzoekElement, int ms);
    /** The service's own description. */
    QByteArray beschrijving() const;
    /** The service description served from now on, in place of the service's own; empty: its own. */
    void zetBeschrijving(const QByteArray& inhoud) { m_beschrijving = inhoud; }
    /** Stops listening: connections are refused from now on. */
    void stoppen();

    /** Every operation request received, oldest first. */
    const QList<Verzoek>& verzoeken() const { return m_verzoeken; }
    QList<Verzoek> verzoeken(const QString& operatie) const;
    void wis() { m_verzoeken.clear(); }

    /** A whole SOAP answer in the server's style. */
    static QByteArray envelop(const QString& antwoordElement, const QString& kinderen);

private:
    void verbinding(QTcpSocket* socket);
    void lezen(QTcpSocket* socket);
    void antwoorden(QTcpSocket* socket, int status, const QByteArray& inhoud);

    QTcpServer* m_server = nullptr;
    bool m_beveiligd = false;
    quint16 m_poort = 0;
    QHash<QString, QString> m_antwoorden;
    QHash<QString, std::function<QString(const Velden&)>> m_makers;
    Storing m_storing = Storing::Geen;
    QString m_faultCode;
    QString m_faultString;
    QList<Verzoek> m_verzoeken;
    QHash<QString, std::pair<int, QByteArray>> m_ruw;
    QHash<QString, int> m_vertragingen;
    QByteArray m_beschrijving;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

/**
 * Checks a request body against the service's schema: the request element and every child in the
 * service's namespace, only elements the schema allows, each at most once, required ones present,
 * integers and booleans well-formed.
 * @return the empty text when the body is valid, else what is wrong
 */
QString verzoekControleren(const QByteArray& inhoud);

} // namespace testhulp
