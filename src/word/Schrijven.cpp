// Writing the model back: the main part made anew from the body, every other part as it was read, and the
// main part's content type that of a document (a template's content type would make the file a template).

#include "word/Model.h"

#include <QHash>
#include <QXmlStreamWriter>

namespace word::detail {

namespace {

void ruwSchrijven(QXmlStreamWriter& w, const QDomElement& e)
{
    w.writeStartElement(e.tagName());
    const QDomNamedNodeMap at = e.attributes();
    for (int i = 0; i < at.count(); ++i) {
        const QDomAttr a = at.item(i).toAttr();
        w.writeAttribute(a.name(), a.value());
    }
    for (QDomNode n = e.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isElement())
            ruwSchrijven(w, n.toElement());
        else if (n.isText() || n.isCDATASection())
            w.writeCharacters(n.nodeValue());
    }
    w.writeEndElement();
}

// The order of the run properties that the file format prescribes.
int rPrVolgorde(const QString& naam)
{
    static const QHash<QString, int> volgorde = [] {
        const char* namen[] = {"w:rStyle", "w:rFonts", "w:b", "w:bCs", "w:i", "w:iCs", "w:caps", "w:smallCaps",
                               "w:strike", "w:dstrike", "w:outline", "w:shadow", "w:emboss", "w:imprint",
                               "w:noProof", "w:snapToGrid", "w:vanish", "w:webHidden", "w:color", "w:spacing",
                               "w:w", "w:kern", "w:position", "w:sz", "w:szCs", "w:highlight", "w:u", "w:effect",
                               "w:bdr", "w:shd", "w:fitText", "w:vertAlign", "w:rtl", "w:cs", "w:em", "w:lang",
                               "w:eastAsianLayout", "w:specVanish", "w:oMath"};
        QHash<QString, int> h;
        int i = 0;
        for (const char* n : namen)
            h.insert(QString::fromLatin1(n), i++);
        return h;
    }();
    return volgorde.value(naam, 1000);
}

QString getal(double d)
{
    return QString::number(d, 'g', 10);
}

void rPrSchrijven(QXmlStreamWriter& w, const RunOpmaak& r)
{
    const Opmaak& o = r.opmaak;
    struct Eigenschap
    {
        int volgorde;
        std::function<void()> schrijf;
    };
    QList<Eigenschap> lijst;
    const auto leeg = [&w](const char* naam, const QList<QPair<QString, QString>>& kenmerken) {
        w.writeStartElement(QString::fromLatin1(naam));
        for (const auto& [k, v] : kenmerken)
            w.writeAttribute(k, v);
        w.writeEndElement();
    };
    if (o.naam) {
        lijst.append({rPrVolgorde(QStringLiteral("w:rFonts")), [&] {
                          leeg("w:rFonts", {{QStringLiteral("w:ascii"), *o.naam},
                                            {QStringLiteral("w:hAnsi"), *o.naam},
                                            {QStringLiteral("w:cs"), *o.naam}});
                      }});
    }
    if (o.vet)
        lijst.append({rPrVolgorde(QStringLiteral("w:b")), [&] {
                          leeg("w:b", {{QStringLiteral("w:val"), *o.vet ? QStringLiteral("1") : QStringLiteral("0")}});
                      }});
    if (o.cursief)
        lijst.append({rPrVolgorde(QStringLiteral("w:i")), [&] {
                          leeg("w:i", {{QStringLiteral("w:val"), *o.cursief ? QStringLiteral("1") : QStringLiteral("0")}});
                      }});
    if (o.kleur)
        lijst.append({rPrVolgorde(QStringLiteral("w:color")),
                      [&] { leeg("w:color", {{QStringLiteral("w:val"), *o.kleur}}); }});
    if (o.grootte)
        lijst.append({rPrVolgorde(QStringLiteral("w:sz")),
                      [&] { leeg("w:sz", {{QStringLiteral("w:val"), getal(*o.grootte * 2)}}); }});
    if (o.onderstreept)
        lijst.append({rPrVolgorde(QStringLiteral("w:u")), [&] {
                          leeg("w:u", {{QStringLiteral("w:val"), *o.onderstreept == wdUnderlineNone
                                                                     ? QStringLiteral("none")
                                                                     : QStringLiteral("single")}});
                      }});
    for (const QDomElement& e : r.overig) {
        if (o.grootte && e.tagName() == u"w:szCs")
            continue; // the complex-script size follows the size that was set
        lijst.append({rPrVolgorde(e.tagName()), [&w, e] { ruwSchrijven(w, e); }});
    }
    if (o.grootte)
        lijst.append({rPrVolgorde(QStringLiteral("w:szCs")),
                      [&] { leeg("w:szCs", {{QStringLiteral("w:val"), getal(*o.grootte * 2)}}); }});
    if (lijst.isEmpty())
        return;
    std::stable_sort(lijst.begin(), lijst.end(), [](const Eigenschap& a, const Eigenschap& b) {
        return a.volgorde < b.volgorde;
    });
    w.writeStartElement(QStringLiteral("w:rPr"));
    for (const Eigenschap& e : lijst)
        e.schrijf();
    w.writeEndElement();
}

void tekstSchrijven(QXmlStreamWriter& w, const QString& tekst)
{
    qsizetype begin = 0;
    const auto stuk = [&](qsizetype tot) {
        if (tot > begin) {
            w.writeStartElement(QStringLiteral("w:t"));
            w.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            w.writeCharacters(tekst.mid(begin, tot - begin));
            w.writeEndElement();
        }
    };
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == u'\t') {
            stuk(i);
            w.writeEmptyElement(QStringLiteral("w:tab"));
            begin = i + 1;
        }
    }
    stuk(tekst.size());
}

void alineaSchrijven(QXmlStreamWriter& w, const Alinea& a)
{
    w.writeStartElement(QStringLiteral("w:p"));
    if (!a.pPr.isNull())
        ruwSchrijven(w, a.pPr);
    for (const Stuk& s : a.stukken) {
        if (s.isRuw()) {
            ruwSchrijven(w, s.ruw);
        } else if (!s.tekst.isEmpty()) {
            w.writeStartElement(QStringLiteral("w:r"));
            rPrSchrijven(w, s.opmaak);
            tekstSchrijven(w, s.tekst);
            w.writeEndElement();
        }
    }
    w.writeEndElement();
}

void celSchrijven(QXmlStreamWriter& w, const Cel& c)
{
    w.writeStartElement(QStringLiteral("w:tc"));
    w.writeStartElement(QStringLiteral("w:tcPr"));
    QList<QDomElement> ervoor, erna;
    for (const QDomElement& e : c.overig) {
        if (e.tagName() == u"w:cnfStyle")
            ervoor.append(e);
        else
            erna.append(e);
    }
    for (const QDomElement& e : ervoor)
        ruwSchrijven(w, e);
    if (!c.tcW.isNull())
        ruwSchrijven(w, c.tcW);
    if (c.gridSpan > 1) {
        w.writeEmptyElement(QStringLiteral("w:gridSpan"));
        w.writeAttribute(QStringLiteral("w:val"), QString::number(c.gridSpan));
    }
    if (!c.vMerge.isEmpty()) {
        w.writeEmptyElement(QStringLiteral("w:vMerge"));
        w.writeAttribute(QStringLiteral("w:val"), c.vMerge);
    }
    if (!c.randen.isEmpty()) {
        w.writeStartElement(QStringLiteral("w:tcBorders"));
        for (const char* zijde : {"top", "left", "bottom", "right", "insideH", "insideV", "tl2br", "tr2bl"}) {
            const auto it = c.randen.constFind(QString::fromLatin1(zijde));
            if (it == c.randen.cend())
                continue;
            w.writeEmptyElement(QStringLiteral("w:") + QString::fromLatin1(zijde));
            for (auto k = it->cbegin(); k != it->cend(); ++k)
                w.writeAttribute(k.key(), k.value());
        }
        w.writeEndElement();
    }
    for (const QDomElement& e : erna)
        ruwSchrijven(w, e);
    w.writeEndElement();
    for (const auto& a : c.alineas)
        alineaSchrijven(w, *a);
    w.writeEndElement();
}

void tabelSchrijven(QXmlStreamWriter& w, const Tabel& t)
{
    w.writeStartElement(QStringLiteral("w:tbl"));
    if (!t.tblPr.isNull())
        ruwSchrijven(w, t.tblPr);
    if (!t.tblGrid.isNull())
        ruwSchrijven(w, t.tblGrid);
    for (const auto& r : t.rijen) {
        w.writeStartElement(QStringLiteral("w:tr"));
        if (!r->tblPrEx.isNull())
            ruwSchrijven(w, r->tblPrEx);
        if (!r->trPr.isNull())
            ruwSchrijven(w, r->trPr);
        for (const auto& c : r->cellen)
            celSchrijven(w, *c);
        w.writeEndElement();
    }
    w.writeEndElement();
}

QByteArray hoofddeelSchrijven(const Model& m)
{
    QByteArray uit;
    QXmlStreamWriter w(&uit);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    w.writeStartElement(m.wortel.tagName());
    const QDomNamedNodeMap at = m.wortel.attributes();
    for (int i = 0; i < at.count(); ++i) {
        const QDomAttr a = at.item(i).toAttr();
        w.writeAttribute(a.name(), a.value());
    }
    // What stands in the root before the body (a background) is kept.
    for (QDomElement e = m.wortel.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e == m.lichaam)
            break;
        ruwSchrijven(w, e);
    }
    w.writeStartElement(QStringLiteral("w:body"));
    for (const Blok& b : m.blokken) {
        if (b.alinea)
            alineaSchrijven(w, *b.alinea);
        else if (b.tabel)
            tabelSchrijven(w, *b.tabel);
        else if (!b.ruw.isNull())
            ruwSchrijven(w, b.ruw);
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return uit;
}

} // namespace

QByteArray schrijven(const Model& m)
{
    QList<QPair<QString, QByteArray>> delen = m.delen;
    for (auto& [naam, inhoud] : delen) {
        if (naam == m.hoofddeel) {
            inhoud = hoofddeelSchrijven(m);
        } else if (naam == u"[Content_Types].xml") {
            inhoud.replace("application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml",
                           "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
        }
    }
    // The content types first, as readers expect.
    std::stable_partition(delen.begin(), delen.end(),
                          [](const auto& d) { return d.first == u"[Content_Types].xml"; });
    return zipSchrijven(delen);
}

} // namespace word::detail
