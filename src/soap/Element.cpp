#include "Element.h"

#include <QXmlStreamReader>

#include <utility>
#include <vector>

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
}

const QString& Element::tekst() const
{
    if (m_kinderen.isEmpty())
        return m_tekst;
    if (!m_geheelKlaar) {
        m_geheel.clear();
        tekstAanvullen(m_geheel);
        m_geheelKlaar = true;
    }
    return m_geheel;
}

void Element::tekstAanvullen(QString& uit) const
{
    if (m_kinderen.isEmpty()) {
        uit += m_tekst;
        return;
    }
    if (m_geheelKlaar) {
        uit += m_geheel;
        return;
    }
    // The depth of a tree is bounded (MaxDiepte for what was read), so the recursion is too.
    qsizetype stuk = 0;
    for (qsizetype i = 0; i <= m_kinderen.size(); ++i) {
        while (stuk < m_stukken.size() && m_stukken[stuk].first == i)
            uit += m_stukken[stuk++].second;
        if (i < m_kinderen.size())
            m_kinderen[i].tekstAanvullen(uit);
    }
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

namespace {

QString teGroot()
{
    return QStringLiteral("Het document is groter dan %1 MB.").arg(Element::MaxGrootte / (1024 * 1024));
}

QString teDiep()
{
    return QStringLiteral("Het document is dieper genest dan %1 niveaus.").arg(Element::MaxDiepte);
}

} // namespace

class ElementLezer
{
public:
    // The reader stands on the root's start tag. The open elements are kept on a stack of their
    // own: each is the last child of the one below it, which gets no other child while it is open.
    static bool lees(QXmlStreamReader& r, Element& wortel, QString& fout)
    {
        struct Open
        {
            Element* e;
            bool eigenTekst; ///< text of its own that is more than layout
        };
        std::vector<Open> stapel;
        stapel.reserve(Element::MaxDiepte);
        begin(r, wortel);
        stapel.push_back({&wortel, false});
        while (!r.atEnd()) {
            switch (r.readNext()) {
            case QXmlStreamReader::StartElement: {
                if (static_cast<int>(stapel.size()) >= Element::MaxDiepte) {
                    fout = teDiep();
                    return false;
                }
                Element& ouder = *stapel.back().e;
                if (ouder.m_kinderen.isEmpty() && !ouder.m_tekst.isEmpty())
                    ouder.m_stukken.append({0, std::exchange(ouder.m_tekst, QString())});
                ouder.m_kinderen.append(Element());
                Element& k = ouder.m_kinderen.last();
                begin(r, k);
                stapel.push_back({&k, false});
                break;
            }
            case QXmlStreamReader::Characters: {
                Open& o = stapel.back();
                if (!r.isWhitespace())
                    o.eigenTekst = true;
                Element& e = *o.e;
                if (e.m_kinderen.isEmpty()) {
                    e.m_tekst += r.text();
                } else if (!e.m_stukken.isEmpty() && e.m_stukken.last().first == e.m_kinderen.size()) {
                    e.m_stukken.last().second += r.text();
                } else {
                    e.m_stukken.append({e.m_kinderen.size(), r.text().toString()});
                }
                break;
            }
            case QXmlStreamReader::EndElement: {
                // Layout between child elements is no part of the text.
                Open o = stapel.back();
                stapel.pop_back();
                if (!o.eigenTekst)
                    o.e->m_stukken.clear();
                if (stapel.empty())
                    return true;
                break;
            }
            default:
                break;
            }
        }
        return false;
    }

private:
    static void begin(const QXmlStreamReader& r, Element& e)
    {
        e.m_naam = r.name().toString();
        e.m_knoopNaam = r.qualifiedName().toString();
    }
};

bool Element::lezen(const QByteArray& xml, Element& wortel, QString* fout)
{
    wortel = Element();
    QString grens;
    if (xml.size() > MaxGrootte)
        grens = teGroot();
    QXmlStreamReader r(xml);
    while (grens.isEmpty() && !r.atEnd()) {
        if (r.readNext() == QXmlStreamReader::StartElement) {
            if (!ElementLezer::lees(r, wortel, grens))
                break;
            // Nothing but comments and layout may follow the root.
            while (!r.atEnd())
                r.readNext();
            break;
        }
    }
    if (!grens.isEmpty() || r.hasError() || wortel.naam().isEmpty()) {
        if (fout) {
            *fout = !grens.isEmpty() ? grens
                : r.hasError()       ? QStringLiteral("Ongeldige XML (regel %1): %2").arg(r.lineNumber()).arg(r.errorString())
                                     : QStringLiteral("Ongeldige XML: geen element gevonden.");
        }
        wortel = Element();
        return false;
    }
    return true;
}

QString Element::binnenGrenzen(const QByteArray& xml)
{
    if (xml.size() > MaxGrootte)
        return teGroot();
    QXmlStreamReader r(xml);
    int diepte = 0;
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++diepte > MaxDiepte)
                return teDiep();
            break;
        case QXmlStreamReader::EndElement:
            --diepte;
            break;
        default:
            break;
        }
    }
    return QString();
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
