#pragma once

// Making a printed paper of the match on the sheet: the main window is held while the work goes on, and the
// paper is saved in the import/export folder under the kind of document and the match number.
// core::DocumentAanbieden then hands it over.

#include <QString>

class FrmWedstrijdInput;

namespace word {
class Document;
}

namespace printing {

/**
 * Saves the document in the import/export folder as the kind, a blank, the match number and ".docx"
 * ("Wedstrijdblad POVLH11003.docx"); an older file of that name is replaced only by a complete one.
 * @return the path saved to
 * @throw word::WordFout when the import/export folder is not set or the file cannot be written
 */
QString documentBewaren(word::Document& document, const QString& soort);

/**
 * The work on a paper: from beginnen() on the main window is disabled and the pointer is the hourglass;
 * afsluiten(), or at the latest the end of the guard, gives both back, whatever ended the work.
 */
class Bezig
{
public:
    explicit Bezig(FrmWedstrijdInput& venster)
        : m_venster(venster)
    {
    }
    ~Bezig() { afsluiten(); }
    Bezig(const Bezig&) = delete;
    Bezig& operator=(const Bezig&) = delete;

    void beginnen();
    void afsluiten();

private:
    FrmWedstrijdInput& m_venster;
    bool m_bezig = false;
};

} // namespace printing
