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
    /** The concatenated text of the element and all its descendants (made when first asked for). */
    const QString& tekst() const;
    const QList<Element>& kinderen() const { return m_kinderen; }

    /** The first child with this local name (compared exactly); nullptr when there is none. */
    const Element* kind(QStringView naam) const;
    /** The text of the first child with this local name; the empty text when there is none. */
    QString kindTekst(QStringView naam) const;
    /** Whether a child of this local name is there. */
    bool heeftKind(QStringView naam) const { return kind(naam) != nullptr; }
    /** Every child with this local name, in order. */
    QList<const Element*> alle(QStringView naam) const;

    /** No answer of the service nests deeper than this; a deeper document is refused. */
    static constexpr int MaxDiepte = 48;
    /** Nor is an answer this large (in bytes). */
    static constexpr qsizetype MaxGrootte = 16 * 1024 * 1024;

    /**
     * Reads an XML document into its root element, without recursion. A document nested deeper than
     * MaxDiepte or larger than MaxGrootte is refused as unreadable.
     * @param fout receives a Dutch description when the text is not well-formed XML or is refused
     * @return false when the document could not be read
     */
    static bool lezen(const QByteArray& xml, Element& wortel, QString* fout = nullptr);

    /**
     * Checks a document's size and nesting in one pass without building anything, for readers that
     * build a tree of their own (the service description).
     * @return the empty text when it is within the limits, else a Dutch description
     */
    static QString binnenGrenzen(const QByteArray& xml);

private:
    friend class ElementLezer;
    void tekstAanvullen(QString& uit) const;

    QString m_naam;
    QString m_knoopNaam;
    /// A leaf's text; for an element with children the text around them that is more than layout,
    /// each piece after the number of children that precede it.
    QString m_tekst;
    QList<std::pair<qsizetype, QString>> m_stukken;
    QList<Element> m_kinderen;
    mutable QString m_geheel; ///< the text with the descendants', once asked for
    mutable bool m_geheelKlaar = false;
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
