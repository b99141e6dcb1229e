#include "Element.h"

#include <QXmlStreamReader>

namespace soap {

Element::Element(QString naam, QString waarde)
    : m_naam(naam)
    , m_knoopNaam(std::move(naam))
    , m_tekst(std::move(waarde))
{
}

Element::Element(QString naam, QList<Element> kinderen)
    : m_naam(naam)
    , m_knoopNaam(std::move(naam))
    , m_kinderen(std::move(kinderen))
{
    for (const Element& k : m_kinderen)
        m_tekst += k.m_tekst;
}

const Element* Element::kind(QStringView naam) const
{
    return zoek(m_kinderen, naam);
}

QString Element::kindTekst(QStringView naam) const
{
    return tekstVan(m_kinderen, naam);
}

QList<const Element*> Element::alle(QStringView naam) const
{
    return alleVan(m_kinderen, naam);
}

class ElementLezer
{
public:
    // The reader stands on the element's start tag.
    static bool lees(QXmlStreamReader& r, Element& e)
    {
        e.m_naam = r.name().toString();
        e.m_knoopNaam = r.qualifiedName().toString();
        QString eigen;
        while (!r.atEnd()) {
            switch (r.readNext()) {
            case QXmlStreamReader::StartElement: {
                Element k;
                if (!lees(r, k))
                    return false;
                e.m_tekst += k.m_tekst;
                e.m_kinderen.append(std::move(k));
                break;
            }
            case QXmlStreamReader::Characters:
                // Layout between child elements is no part of the text.
                if (!r.isWhitespace() || e.m_kinderen.isEmpty())
                    eigen += r.text();
                e.m_tekst += r.text();
                break;
            case QXmlStreamReader::EndElement:
                if (!e.m_kinderen.isEmpty() && eigen.trimmed().isEmpty()) {
                    e.m_tekst.clear();
                    for (const Element& k : e.m_kinderen)
                        e.m_tekst += k.m_tekst;
                }
                return true;
            default:
                break;
            }
        }
        return false;
    }
};

bool Element::lezen(const QByteArray& xml, Element& wortel, QString* fout)
{
    QXmlStreamReader r(xml);
    wortel = Element();
    while (!r.atEnd()) {
        if (r.readNext() == QXmlStreamReader::StartElement) {
            if (!ElementLezer::lees(r, wortel))
                break;
            // Nothing but comments and layout may follow the root.
            while (!r.atEnd())
                r.readNext();
            break;
        }
    }
    if (r.hasError() || wortel.naam().isEmpty()) {
        if (fout) {
            *fout = r.hasError() ? QStringLiteral("Ongeldige XML (regel %1): %2").arg(r.lineNumber()).arg(r.errorString())
                                 : QStringLiteral("Ongeldige XML: geen element gevonden.");
        }
        wortel = Element();
        return false;
    }
    return true;
}

const Element* zoek(const Knooplijst& lijst, QStringView naam)
{
    for (const Element& e : lijst) {
        if (e.naam() == naam)
            return &e;
    }
    return nullptr;
}

QString tekstVan(const Knooplijst& lijst, QStringView naam)
{
    const Element* e = zoek(lijst, naam);
    return e ? e->tekst() : QString();
}

QList<const Element*> alleVan(const Knooplijst& lijst, QStringView naam)
{
    QList<const Element*> uit;
    for (const Element& e : lijst) {
        if (e.naam() == naam)
            uit << &e;
    }
    return uit;
}

} // namespace soap
