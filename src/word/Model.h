#pragma once

// The document in memory: the body of word/document.xml as paragraphs and tables, the other parts of
// the file as bytes. Only the layer itself includes this header.

#include "word/Document.h"

#include <QList>
#include <QMap>
#include <QPair>

#include <functional>
#include <memory>
#include <vector>

namespace word::detail {

/** An element kept as it was read: its name and its XML, written back unchanged. */
struct Ruw
{
    QString naam;
    QString xml;

    bool isNull() const { return xml.isEmpty(); }
    bool operator==(const Ruw&) const = default;
};

/** The formatting of a run: what the layer reads and sets, and the run properties it keeps as they are. */
struct RunOpmaak
{
    Opmaak opmaak;
    QList<Ruw> overig;

    bool zelfdeAls(const RunOpmaak& ander) const { return opmaak == ander.opmaak && overig == ander.overig; }
};

/** A piece of a paragraph: text in one formatting, or a kept element (bookmark, field, drawing...). */
struct Stuk
{
    QString tekst; ///< tabs as '\t'
    RunOpmaak opmaak;
    Ruw ruw;            ///< a kept element, of no length
    QString bladwijzer; ///< of a kept bookmark start: its name
    QString id;         ///< of a kept bookmark start or end: its id

    bool isRuw() const { return !ruw.isNull(); }
    int lengte() const { return isRuw() ? 0 : static_cast<int>(tekst.size()); }
};

struct Cel;
struct Rij;
struct Tabel;

struct Alinea
{
    Ruw pPr;          ///< kept as read; may be null
    RunOpmaak teken;  ///< the formatting of the paragraph mark
    QList<Stuk> stukken;
    Cel* cel = nullptr; ///< the cell that holds the paragraph, nullptr in the body

    int lengte() const;
    QString tekst() const;
};

struct Cel
{
    Ruw tcW;
    int gridSpan = 1;
    QString vMerge; ///< "", "restart" or "continue"
    QMap<QString, QMap<QString, QString>> randen; ///< border side ("top", "left", ...) to its attributes
    QList<Ruw> overig; ///< the other cell properties, in their order
    std::vector<std::unique_ptr<Alinea>> alineas;
    Rij* rij = nullptr;
};

struct Rij
{
    Ruw tblPrEx;
    Ruw trPr;
    std::vector<std::unique_ptr<Cel>> cellen;
    Tabel* tabel = nullptr;
};

struct Tabel
{
    Ruw tblPr;
    Ruw tblGrid;
    std::vector<std::unique_ptr<Rij>> rijen;
};

/** A block of the body: a paragraph, a table or a kept element. */
struct Blok
{
    std::unique_ptr<Alinea> alinea;
    std::unique_ptr<Tabel> tabel;
    Ruw ruw;
};

using Plaats = Bereik::Plaats;

struct Model : std::enable_shared_from_this<Model>
{
    Model();

    QList<QPair<QString, QByteArray>> delen; ///< the parts of the file as read, in their order
    QString hoofddeel = QStringLiteral("word/document.xml");
    QString wortelBegin;    ///< the start tag of the root element, with its namespaces, as read
    QString wortelNaam;     ///< the root element's name
    QList<Ruw> voorLichaam; ///< what the root holds before the body (a background)
    std::vector<Blok> blokken;
    Opmaak standaard;       ///< the document's default character formatting, every field filled

    // The insertion point: the selection runs from anker to actief (equal when collapsed).
    Plaats anker, actief;
    RunOpmaak typOpmaak; ///< the formatting of the text typed next
    std::unique_ptr<Selectie> selectie;

    /** @name Structure */
    ///@{
    QList<Alinea*> alleAlineas() const; ///< in story order (tables row by row, cell by cell)
    QList<Tabel*> tabellen() const;
    Alinea* eersteAlinea() const;
    static std::pair<int, int> celPlaats(const Cel* cel); ///< row and cell number from 1
    static Cel* cel(Tabel* tabel, int rij, int kolom);  ///< nullptr when there is none
    /** The list of paragraphs that holds the paragraph (the body's blocks hold them one by one). */
    int blokIndex(const Alinea* alinea) const;
    int blokIndex(const Tabel* tabel) const;
    ///@}

    /** @name Positions */
    ///@{
    int positie(const Plaats& p) const;
    Plaats plaatsBij(int positie) const;
    int celBegin(const Cel* cel) const;
    int celEinde(const Cel* cel) const; ///< after the cell's end mark
    ///@}

    /** @name Lines and characters */
    ///@{
    Alinea* volgendeRegel(Alinea* a) const;  ///< the line below; nullptr at the end
    Alinea* vorigeInVerhaal(Alinea* a) const; ///< the paragraph before in story order
    Alinea* volgendeInVerhaal(Alinea* a) const;
    ///@}

    /** @name Editing */
    ///@{
    /** The formatting that text typed at the place takes. */
    RunOpmaak opmaakBij(const Plaats& p) const;
    /** Inserts text without paragraph marks; returns the place after it. */
    Plaats invoegen(const Plaats& p, const QString& tekst, const RunOpmaak& opmaak);
    /** Splits the paragraph; returns the start of the new one. */
    Plaats splitsen(const Plaats& p);
    /** Removes the text between two places (in order) of one list of paragraphs; returns the place left. */
    Plaats verwijderen(Plaats van, Plaats tot);
    /** Applies formatting to the text between two places. */
    void opmaken(Plaats van, Plaats tot, const std::function<void(Opmaak&)>& wijziging);
    /** Empties a cell: one paragraph without text remains. */
    void celLeegmaken(Cel* cel);
    ///@}

    /** Effective formatting: the explicit fields over the defaults. */
    Opmaak effectief(const Opmaak& opmaak) const;
    bool voor(const Plaats& a, const Plaats& b) const; ///< a lies before b
};

/** A typed text cut at its paragraph marks ("\r", "\n" or both). */
QStringList regelsVan(const QString& tekst);

/** Reads a .docx or .dotx; @throw WordFout */
std::shared_ptr<Model> lezen(const QByteArray& bytes, const QString& naam);
/** Writes the model as a .docx (the main part as a document, not a template). */
QByteArray schrijven(const Model& model);

/** The parts of a zip file in their order. @throw WordFout */
QList<QPair<QString, QByteArray>> zipLezen(const QByteArray& bytes, const QString& naam);
/** A zip file of the parts, the first stored first. @throw WordFout */
QByteArray zipSchrijven(const QList<QPair<QString, QByteArray>>& delen);

} // namespace word::detail
