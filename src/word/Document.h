#pragma once

// The word-processing documents of the program: a document made from a template, filled through an
// insertion point that moves the way a typist's cursor does, and saved as an Office Open XML file
// (.docx). The members carry the names of the word processor's automation interface, so the printing
// code reads like a sequence of keyboard moves and typed texts.
//
// The model behind it is small: the body is a row of paragraphs and tables; a table has rows of cells,
// a cell holds paragraphs (no tables inside tables). One line of the moves is one paragraph, so a
// template keeps one paragraph per line wherever values are typed. Everything of the template that the
// model does not edit (styles, headers, footers, images, section and table properties) is kept as it is.
//
// Documents are values that share their content: copies of a Document, Tabel, Cel or Bereik refer to
// the same document.

#include "word/Word.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <stdexcept>

namespace word {

namespace detail {
struct Model;
struct Alinea;
struct Cel;
struct Tabel;
} // namespace detail

/** A template that cannot be read, a member that the document does not have, a file that cannot be written. */
class WordFout : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    /** The Dutch text for the user. */
    QString tekst() const { return QString::fromUtf8(what()); }
};

/** Character formatting. A field that is not set is inherited (from the style or the document's defaults). */
struct Opmaak
{
    std::optional<QString> naam;     ///< font family
    std::optional<double> grootte;   ///< points
    std::optional<bool> vet;
    std::optional<bool> cursief;
    std::optional<int> onderstreept; ///< wdUnderlineNone or wdUnderlineSingle
    std::optional<QString> kleur;    ///< six hex digits ("000000") or "auto"

    bool operator==(const Opmaak&) const = default;
};

/** A stretch of text in one formatting, as read back from a document. */
struct Tekstdeel
{
    QString tekst;
    Opmaak opmaak; ///< every field filled: explicit formatting over the document's defaults
};

class Bereik;
class Cellen;
class Document;

/** One border of a block of cells (the Border object). */
class Rand
{
public:
    /** wdLineStyleNone or wdLineStyleSingle. */
    void LineStyle(int stijl);
    int LineStyle() const;
    /** In eighths of a point, as the wdLineWidth constants are (wdLineWidth150pt = 12). */
    void LineWidth(int breedte);
    int LineWidth() const;
    /** wdColorAutomatic, or a colour as 0xBBGGRR. */
    void Color(int kleur);
    int Color() const;

private:
    friend class Randen;
    Rand(std::shared_ptr<detail::Model> model, detail::Tabel* tabel, int r1, int c1, int r2, int c2, int rand);
    std::shared_ptr<detail::Model> m_model;
    detail::Tabel* m_tabel;
    int m_r1, m_c1, m_r2, m_c2, m_rand;
};

/** The borders of a block of cells (the Borders collection). */
class Randen
{
public:
    /** @param rand wdBorderTop, wdBorderLeft, wdBorderBottom, wdBorderRight or wdBorderVertical */
    Rand Item(int rand);
    /** Cell borders have no shadow in these documents: switching it off changes nothing. */
    void Shadow(bool aan);

private:
    friend class Cellen;
    Randen(std::shared_ptr<detail::Model> model, detail::Tabel* tabel, int r1, int c1, int r2, int c2);
    std::shared_ptr<detail::Model> m_model;
    detail::Tabel* m_tabel;
    int m_r1, m_c1, m_r2, m_c2;
};

/** The cells a range covers: a rectangle of rows and cell numbers within one table. */
class Cellen
{
public:
    /**
     * Merges the block into one cell: in each row the cells become one cell as wide as they were together,
     * and a block over several rows is merged vertically as well. The text of the cells is kept, one
     * paragraph after the other; empty cells add nothing.
     */
    void Merge();
    Randen Borders();

private:
    friend class Bereik;
    Cellen(std::shared_ptr<detail::Model> model, detail::Tabel* tabel, int r1, int c1, int r2, int c2);
    std::shared_ptr<detail::Model> m_model;
    detail::Tabel* m_tabel;
    int m_r1, m_c1, m_r2, m_c2;
};

/**
 * A part of the document (the Range object): a stretch of text, or, when it starts in one cell and ends
 * in another of the same table, the rectangle of cells between them.
 */
class Bereik
{
public:
    /** A place in the text (for the layer's own use). */
    struct Plaats
    {
        detail::Alinea* alinea = nullptr;
        int teken = 0;
    };

    /** Character positions counted from the start of the document, as the word processor counts them. */
    int Start() const;
    int End() const;
    /**
     * Appends the text after the range's text (in a cell: at the end of its last paragraph). The text takes
     * the formatting of the character before it; the insertion point does not move.
     */
    void InsertAfter(const QString& tekst);
    /** Removes the text of the range; a block of cells keeps its cells, emptied. */
    void Delete(int eenheid = wdCharacter, int aantal = 1);
    /** @throw WordFout when the range lies outside a table */
    Cellen Cells() const;

    /** @name Reading back */
    ///@{
    /** The text, paragraphs separated by "\r" (cells of a block as well). */
    QString Text() const;
    int ParagraphsCount() const;
    /** @param nummer from 1 */
    Bereik Paragraphs(int nummer) const;
    /** The text in pieces of one formatting each, with the effective formatting. */
    QList<Tekstdeel> delen() const;
    /**
     * The effective formatting of the first occurrence of a text in the range.
     * @throw WordFout when the range does not hold the text
     */
    Opmaak opmaakVan(const QString& stuk) const;
    ///@}

private:
    friend class Document;
    friend class Selectie;
    friend class Cel;
    friend class Tabel;
    friend class Bladwijzer;
    Bereik(std::shared_ptr<detail::Model> model, Plaats begin, Plaats einde);
    Bereik(std::shared_ptr<detail::Model> model, detail::Tabel* tabel, int r1, int c1, int r2, int c2);
    std::shared_ptr<detail::Model> m_model;
    Plaats m_begin, m_einde;          ///< a stretch of text
    detail::Tabel* m_tabel = nullptr; ///< or a block of cells
    int m_r1 = 0, m_c1 = 0, m_r2 = 0, m_c2 = 0;
};

/** One cell of a table (the Cell object). Rows and cells are numbered from 1. */
class Cel
{
public:
    Bereik Range() const;
    /** Selects the cell's whole content with the insertion point. */
    void Select();

private:
    friend class Tabel;
    Cel(std::shared_ptr<detail::Model> model, detail::Cel* cel);
    std::shared_ptr<detail::Model> m_model;
    detail::Cel* m_cel;
};

/** A table of the body (the Table object). */
class Tabel
{
public:
    /**
     * @param rij from 1
     * @param kolom the cell's number within its row, from 1 (after a merge the row has fewer cells)
     * @throw WordFout when the table has no such cell
     */
    Cel Cell(int rij, int kolom) const;
    int RowsCount() const;
    /** The number of cells of a row, from 1. */
    int CellsCount(int rij) const;
    Bereik Range() const;
    /**
     * Removes rows van to tot with their text (Rows(r).Delete for each); the rows after them move up. An
     * insertion point in a removed row goes to the row above them (below, when the first row goes).
     * @throw WordFout when the table has no such rows, or would keep none
     */
    void DeleteRows(int van, int tot);

private:
    friend class Document;
    Tabel(std::shared_ptr<detail::Model> model, detail::Tabel* tabel, int nummer);
    std::shared_ptr<detail::Model> m_model;
    detail::Tabel* m_tabel;
    int m_nummer;
};

/** A bookmark of the document (the Bookmark object). */
class Bladwijzer
{
public:
    /** Selects the bookmark's text; an empty bookmark puts the insertion point on its place. */
    void Select();
    Bereik Range() const;

private:
    friend class Document;
    friend class Selectie;
    Bladwijzer(std::shared_ptr<detail::Model> model, const QString& naam);
    std::shared_ptr<detail::Model> m_model;
    QString m_naam;
};

/**
 * The font of the insertion point (the Font object of the Selection). With the insertion point collapsed,
 * a setting holds for the text typed next; with text selected, it changes that text as well. Reading gives
 * the effective formatting at the insertion point.
 */
class Lettertype
{
public:
    void Name(const QString& naam);
    QString Name() const;
    void Size(double punten);
    double Size() const;
    /** Word's 1 and True (-1) switch on, 0 switches off. */
    void Bold(int aan);
    int Bold() const;
    void Italic(int aan);
    int Italic() const;
    /** wdUnderlineSingle or wdUnderlineNone. */
    void Underline(int soort);
    int Underline() const;
    /** wdBlack (1) and wdAuto (0); other colour indexes are not used by the program. */
    void ColorIndex(int index);
    int ColorIndex() const;

private:
    friend class Selectie;
    explicit Lettertype(detail::Model* model);
    detail::Model* m_model;
};

/**
 * The insertion point of the document (the Selection object): where typed text goes.
 *
 * How the moves behave in this model (the templates are laid out for it):
 * - a line is a paragraph; MoveDown by line keeps the position within the line where it can, by paragraph
 *   goes to the start of the next one; below the last line of a cell lies the cell under it, below the last
 *   row the paragraph after the table;
 * - MoveRight by cell selects the whole content of the next cell, continuing on the next row after a row's
 *   last cell and staying in the last cell of the table;
 * - MoveLeft by character with text selected goes to the start of the selection; otherwise it goes one
 *   character back (a paragraph end counts as one character);
 * - MoveDown, HomeKey with text selected start from the selection's start; EndKey from its end;
 * - TypeText replaces selected text; "\r" and "\n" in the text start a new paragraph, as TypeParagraph does.
 */
class Selectie
{
public:
    /** @param eenheid wdLine or wdStory @param uitbreiden wdMove or wdExtend */
    void HomeKey(int eenheid = wdLine, int uitbreiden = wdMove);
    void EndKey(int eenheid = wdLine, int uitbreiden = wdMove);
    /** @param eenheid wdLine or wdParagraph */
    void MoveDown(int eenheid = wdLine, int aantal = 1, int uitbreiden = wdMove);
    /** @param eenheid wdCell or wdCharacter */
    void MoveRight(int eenheid = wdCharacter, int aantal = 1, int uitbreiden = wdMove);
    /** @param eenheid wdCharacter */
    void MoveLeft(int eenheid = wdCharacter, int aantal = 1, int uitbreiden = wdMove);
    /**
     * wdGoToTable with wdGoToNext: to the start of the first table after the insertion point.
     * wdGoToBookmark with the bookmark's name: selects the bookmark.
     * @throw WordFout when there is no such table or bookmark
     */
    void GoTo(int wat, int welke = wdGoToNext, int aantal = 1, const QString& naam = QString());
    void TypeText(const QString& tekst);
    void TypeParagraph();
    Lettertype& Font() { return m_font; }
    Bereik Range() const;
    int Start() const;
    int End() const;

private:
    friend class Document;
    friend struct detail::Model;
    explicit Selectie(detail::Model* model);
    detail::Model* m_model;
    Lettertype m_font;
};

/** A document (the Document object), made from a template or read back from a saved file. */
class Document
{
public:
    /**
     * Makes a new document with the content of a template (Documents.Add with Template).
     * @param sjabloon path of a .dotx or .docx
     * @throw WordFout when the file is missing or is not a readable document
     */
    static Document Add(const QString& sjabloon);
    /** Reads a saved document back. @throw WordFout as Add */
    static Document Open(const QString& pad);
    /** As Open, from the bytes of a file. */
    static Document uitBytes(const QByteArray& bytes);

    /** The insertion point of the document's window; one per document. */
    Selectie& Selection();
    /** @throw WordFout when the document has no bookmark of that name */
    Bladwijzer Bookmarks(const QString& naam);
    bool heeftBladwijzer(const QString& naam) const;
    /** @param nummer from 1, in document order @throw WordFout when there is no such table */
    Tabel Tables(int nummer);
    int TablesCount() const;
    /** The document between two character positions (see Bereik::Start). */
    Bereik Range(int begin, int einde);
    /** The whole body. */
    Bereik Content();

    /**
     * Saves as a document (.docx), whole or not at all (bestand::Schrijver): an older file of that name is
     * replaced only by a complete one.
     * @throw WordFout when the file cannot be written, with the message that names the file and the cause; an
     * older file is then left as it was
     */
    void SaveAs(const QString& pad);
    /** The file SaveAs writes, as bytes. */
    QByteArray docx() const;

private:
    explicit Document(std::shared_ptr<detail::Model> model);
    std::shared_ptr<detail::Model> m_model;
};

} // namespace word
