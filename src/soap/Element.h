#pragma once

// One XML element of a SOAP message, as the program reads and builds them: its local name, the name
// as written (with its prefix), its text and its child elements. Answers are read by local name only,
// never by position or prefix, so that servers that add elements or use other prefixes read the same.

#include <QList>
#include <QString>

namespace soap {

class Element
{
public:
    Element() = default;
    /** A leaf element with a text value. */
    Element(QString naam, QString waarde);
    /** An element holding child elements. */
    Element(QString naam, QList<Element> kinderen);

    /** The local name (without a prefix). */
    const QString& naam() const { return m_naam; }
    /** The name as written in the message, with its prefix ("ns1:Name"). */
    const QString& knoopNaam() const { return m_knoopNaam; }
    /** The concatenated text of the element and all its descendants. */
    const QString& tekst() const { return m_tekst; }
    const QList<Element>& kinderen() const { return m_kinderen; }

    /** The first child with this local name (compared exactly); nullptr when there is none. */
    const Element* kind(QStringView naam) const;
    /** The text of the first child with this local name; the empty text when there is none. */
    QString kindTekst(QStringView naam) const;
    /** Whether a child of this local name is there. */
    bool heeftKind(QStringView naam) const { return kind(naam) != nullptr; }
    /** Every child with this local name, in order. */
    QList<const Element*> alle(QStringView naam) const;

    /**
     * Reads an XML document into its root element.
     * @param fout receives a Dutch description when the text is not well-formed XML
     * @return false when the document could not be read
     */
    static bool lezen(const QByteArray& xml, Element& wortel, QString* fout = nullptr);

private:
    friend class ElementLezer;
    QString m_naam;
    QString m_knoopNaam;
    QString m_tekst;
    QList<Element> m_kinderen;
};

/** The child elements of an answer or a request: what the program passes around as a node list. */
using Knooplijst = QList<Element>;

/** The first element of the list with this local name; nullptr when there is none. */
const Element* zoek(const Knooplijst& lijst, QStringView naam);
/** The text of the first element with this local name; the empty text when there is none. */
QString tekstVan(const Knooplijst& lijst, QStringView naam);
/** Every element of the list with this local name, in order. */
QList<const Element*> alleVan(const Knooplijst& lijst, QStringView naam);

} // namespace soap
