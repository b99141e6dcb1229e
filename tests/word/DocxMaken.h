#pragma once

// Small documents for the document layer's tests: a body given as XML with the parts a word processor needs.

#include "word/Document.h"
#include "word/Model.h"

#include <QList>
#include <QPair>
#include <QString>

namespace testhulp::docx {

using namespace word;

inline QString q(const char* s)
{
    return QString::fromUtf8(s);
}

// A small document: the body given as XML, with the parts a word processor needs.
inline QByteArray docxMet(const QString& lichaam, bool sjabloon = true)
{
    const QString ns = q("xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"");
    const QByteArray soort = sjabloon ? "template.main+xml" : "document.main+xml";
    QList<QPair<QString, QByteArray>> delen;
    delen.append({q("[Content_Types].xml"),
                  "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                  "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                  "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                  "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
                  "vnd.openxmlformats-officedocument.wordprocessingml." + soort + "\"/></Types>"});
    delen.append({q("_rels/.rels"),
                  "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                  "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                  "officeDocument\" Target=\"word/document.xml\"/></Relationships>"});
    delen.append({q("word/document.xml"),
                  (q("<?xml version=\"1.0\"?><w:document ") + ns + q("><w:body>") + lichaam + q("</w:body></w:document>"))
                      .toUtf8()});
    delen.append({q("word/styles.xml"),
                  (q("<?xml version=\"1.0\"?><w:styles ") + ns
                   + q("><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Arial\"/><w:sz w:val=\"18\"/>"
                       "</w:rPr></w:rPrDefault></w:docDefaults></w:styles>"))
                      .toUtf8()});
    return detail::zipSchrijven(delen);
}

inline QString p(const QString& tekst, const QString& extra = QString())
{
    return q("<w:p><w:r><w:t xml:space=\"preserve\">") + tekst + q("</w:t></w:r>") + extra + q("</w:p>");
}

inline QString tc(const QString& inhoud)
{
    return q("<w:tc>") + inhoud + q("</w:tc>");
}

/**
 * A table whose cells hold their row and cell number after the prefix ("a2.1"). With a column width (in
 * twentieths of a point) the table has a grid and fixed widths, as the templates' tables have.
 */
inline QString tabel(int rijen, int kolommen, const QString& voorvoegsel, int kolomBreedte = 0)
{
    QString t = q("<w:tbl>");
    QString celBreedte;
    if (kolomBreedte > 0) {
        t += q("<w:tblPr><w:tblLayout w:type=\"fixed\"/></w:tblPr><w:tblGrid>");
        for (int c = 1; c <= kolommen; ++c)
            t += QStringLiteral("<w:gridCol w:w=\"%1\"/>").arg(kolomBreedte);
        t += q("</w:tblGrid>");
        celBreedte = QStringLiteral("<w:tcPr><w:tcW w:w=\"%1\" w:type=\"dxa\"/></w:tcPr>").arg(kolomBreedte);
    }
    for (int r = 1; r <= rijen; ++r) {
        t += q("<w:tr>");
        for (int c = 1; c <= kolommen; ++c)
            t += tc(celBreedte + p(QStringLiteral("%1%2.%3").arg(voorvoegsel).arg(r).arg(c)));
        t += q("</w:tr>");
    }
    return t + q("</w:tbl>");
}

inline Document opnieuw(const Document& d)
{
    return Document::uitBytes(d.docx());
}

} // namespace testhulp::docx
