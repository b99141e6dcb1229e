// Writing the model back: the main part made anew from the body, every other part as it was read, and the
// main part's content type that of a document (a template's content type would make the file a template).

#include "word/Model.h"

#include <QHash>

namespace word::detail {

namespace {

void tekstToevoegen(QString& uit, QStringView tekst, bool kenmerk)
{
    for (const QChar c : tekst) {
        switch (c.unicode()) {
        case u'&':
            uit += QLatin1String("&amp;");
            break;
        case u'<':
            uit += QLatin1String("&lt;");
            break;
        case u'>':
            uit += QLatin1String("&gt;");
            break;
        case u'"':
            if (kenmerk)
                uit += QLatin1String("&quot;");
            else
                uit += c;
            break;
        default:
            // Characters XML 1.0 cannot hold are left out.
            if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r')
                uit += c;
            break;
        }
    }
}

// The order of the run properties that the file format prescribes.
int rPrVolgorde(QStringView naam)
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
    return volgorde.value(naam.toString(), 1000);
}

void kenmerkToevoegen(QString& uit, const char* naam, const QString& waarde)
{
    uit += u' ';
    uit += QLatin1String(naam);
    uit += QLatin1String("=\"");
    tekstToevoegen(uit, waarde, true);
    uit += u'"';
}

void rPrSchrijven(QString& uit, const RunOpmaak& r)
{
    const Opmaak& o = r.opmaak;
    if (!o.naam && !o.vet && !o.cursief && !o.kleur && !o.grootte && !o.onderstreept && r.overig.isEmpty())
        return;
    // Each property with its place in the prescribed order.
    QList<QPair<int, QString>> lijst;
    const auto erbij = [&lijst](const char* naam, QString xml) {
        lijst.append({rPrVolgorde(QString::fromLatin1(naam)), std::move(xml)});
    };
    if (o.naam) {
        QString x = QStringLiteral("<w:rFonts");
        kenmerkToevoegen(x, "w:ascii", *o.naam);
        kenmerkToevoegen(x, "w:hAnsi", *o.naam);
        kenmerkToevoegen(x, "w:cs", *o.naam);
        erbij("w:rFonts", x + QStringLiteral("/>"));
    }
    if (o.vet)
        erbij("w:b", *o.vet ? QStringLiteral("<w:b/>") : QStringLiteral("<w:b w:val=\"0\"/>"));
    if (o.cursief)
        erbij("w:i", *o.cursief ? QStringLiteral("<w:i/>") : QStringLiteral("<w:i w:val=\"0\"/>"));
    if (o.kleur) {
        QString x = QStringLiteral("<w:color");
        kenmerkToevoegen(x, "w:val", *o.kleur);
        erbij("w:color", x + QStringLiteral("/>"));
    }
    const QString halvePunten = o.grootte ? QString::number(*o.grootte * 2, 'g', 10) : QString();
    if (o.grootte) {
        erbij("w:sz", QStringLiteral("<w:sz w:val=\"") + halvePunten + QStringLiteral("\"/>"));
        erbij("w:szCs", QStringLiteral("<w:szCs w:val=\"") + halvePunten + QStringLiteral("\"/>"));
    }
    if (o.onderstreept)
        erbij("w:u", *o.onderstreept == wdUnderlineNone ? QStringLiteral("<w:u w:val=\"none\"/>")
                                                         : QStringLiteral("<w:u w:val=\"single\"/>"));
    for (const Ruw& e : r.overig) {
        if (o.grootte && e.naam == u"w:szCs")
            continue; // the complex-script size follows the size that was set
        lijst.append({rPrVolgorde(e.naam), e.xml});
    }
    std::stable_sort(lijst.begin(), lijst.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    uit += QLatin1String("<w:rPr>");
    for (const auto& e : lijst)
        uit += e.second;
    uit += QLatin1String("</w:rPr>");
}

void tekstSchrijven(QString& uit, const QString& tekst)
{
    qsizetype begin = 0;
    const auto stuk = [&](qsizetype tot) {
        if (tot > begin) {
            uit += QLatin1String("<w:t xml:space=\"preserve\">");
            tekstToevoegen(uit, QStringView(tekst).mid(begin, tot - begin), false);
            uit += QLatin1String("</w:t>");
        }
    };
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == u'\t') {
            stuk(i);
            uit += QLatin1String("<w:tab/>");
            begin = i + 1;
        }
    }
    stuk(tekst.size());
}

void alineaSchrijven(QString& uit, const Alinea& a)
{
    uit += QLatin1String("<w:p>");
    uit += a.pPr.xml;
    for (const Stuk& s : a.stukken) {
        if (s.isRuw()) {
            uit += s.ruw.xml;
        } else if (!s.tekst.isEmpty()) {
            uit += QLatin1String("<w:r>");
            rPrSchrijven(uit, s.opmaak);
            tekstSchrijven(uit, s.tekst);
            uit += QLatin1String("</w:r>");
        }
    }
    uit += QLatin1String("</w:p>");
}

void celSchrijven(QString& uit, const Cel& c)
{
    uit += QLatin1String("<w:tc><w:tcPr>");
    QList<const Ruw*> erna;
    for (const Ruw& e : c.overig) {
        if (e.naam == u"w:cnfStyle")
            uit += e.xml;
        else
            erna.append(&e);
    }
    uit += c.tcW.xml;
    if (c.gridSpan > 1)
        uit += QStringLiteral("<w:gridSpan w:val=\"%1\"/>").arg(c.gridSpan);
    if (!c.vMerge.isEmpty()) {
        uit += QLatin1String("<w:vMerge");
        kenmerkToevoegen(uit, "w:val", c.vMerge);
        uit += QLatin1String("/>");
    }
    if (!c.randen.isEmpty()) {
        uit += QLatin1String("<w:tcBorders>");
        for (const char* zijde : {"top", "left", "bottom", "right", "insideH", "insideV", "tl2br", "tr2bl"}) {
            const auto it = c.randen.constFind(QString::fromLatin1(zijde));
            if (it == c.randen.cend())
                continue;
            uit += QLatin1String("<w:");
            uit += QLatin1String(zijde);
            for (auto k = it->cbegin(); k != it->cend(); ++k) {
                uit += u' ';
                uit += k.key();
                uit += QLatin1String("=\"");
                tekstToevoegen(uit, k.value(), true);
                uit += u'"';
            }
            uit += QLatin1String("/>");
        }
        uit += QLatin1String("</w:tcBorders>");
    }
    for (const Ruw* e : erna)
        uit += e->xml;
    uit += QLatin1String("</w:tcPr>");
    for (const auto& a : c.alineas)
        alineaSchrijven(uit, *a);
    uit += QLatin1String("</w:tc>");
}

void tabelSchrijven(QString& uit, const Tabel& t)
{
    uit += QLatin1String("<w:tbl>");
    uit += t.tblPr.xml;
    uit += t.tblGrid.xml;
    for (const auto& r : t.rijen) {
        uit += QLatin1String("<w:tr>");
        uit += r->tblPrEx.xml;
        uit += r->trPr.xml;
        for (const auto& c : r->cellen)
            celSchrijven(uit, *c);
        uit += QLatin1String("</w:tr>");
    }
    uit += QLatin1String("</w:tbl>");
}

QByteArray hoofddeelSchrijven(const Model& m)
{
    QString uit;
    uit.reserve(128 * 1024);
    uit += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
    uit += m.wortelBegin;
    for (const Ruw& r : m.voorLichaam)
        uit += r.xml;
    uit += QLatin1String("<w:body>");
    for (const Blok& b : m.blokken) {
        if (b.alinea)
            alineaSchrijven(uit, *b.alinea);
        else if (b.tabel)
            tabelSchrijven(uit, *b.tabel);
        else
            uit += b.ruw.xml;
    }
    uit += QLatin1String("</w:body></");
    uit += m.wortelNaam;
    uit += u'>';
    return uit.toUtf8();
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
