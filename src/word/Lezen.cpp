// Reading a .docx or .dotx into the model: the zip's parts as bytes, the body of the main part as
// paragraphs and tables, the default formatting from the styles.

#include "word/Model.h"

#include <QXmlStreamReader>

namespace word::detail {

namespace {

WordFout onleesbaar(const QString& naam, const QString& reden)
{
    return WordFout(QStringLiteral("Het bestand %1 is geen leesbaar document (%2).").arg(naam, reden).toStdString());
}

bool aanUit(const QDomElement& e)
{
    const QString v = e.attribute(QStringLiteral("w:val"));
    return !(v == u"0" || v == u"false" || v == u"off");
}

QList<QDomElement> kinderen(const QDomElement& e)
{
    QList<QDomElement> lijst;
    for (QDomElement k = e.firstChildElement(); !k.isNull(); k = k.nextSiblingElement())
        lijst.append(k);
    return lijst;
}

RunOpmaak runOpmaakLezen(const QDomElement& rPr)
{
    RunOpmaak r;
    for (const QDomElement& e : kinderen(rPr)) {
        const QString t = e.tagName();
        if (t == u"w:rFonts" && e.hasAttribute(QStringLiteral("w:ascii")))
            r.opmaak.naam = e.attribute(QStringLiteral("w:ascii"));
        else if (t == u"w:b")
            r.opmaak.vet = aanUit(e);
        else if (t == u"w:i")
            r.opmaak.cursief = aanUit(e);
        else if (t == u"w:u")
            r.opmaak.onderstreept = e.attribute(QStringLiteral("w:val")) == u"none" ? wdUnderlineNone : wdUnderlineSingle;
        else if (t == u"w:sz")
            r.opmaak.grootte = e.attribute(QStringLiteral("w:val")).toDouble() / 2.0;
        else if (t == u"w:color")
            r.opmaak.kleur = e.attribute(QStringLiteral("w:val"));
        else
            r.overig.append(e);
    }
    return r;
}

void alineaLezen(Alinea& a, const QDomElement& p)
{
    for (const QDomElement& e : kinderen(p)) {
        const QString t = e.tagName();
        if (t == u"w:pPr") {
            a.pPr = e;
            a.teken = runOpmaakLezen(e.firstChildElement(QStringLiteral("w:rPr")));
        } else if (t == u"w:r") {
            const QDomElement rPr = e.firstChildElement(QStringLiteral("w:rPr"));
            const RunOpmaak opmaak = runOpmaakLezen(rPr);
            QString tekst;
            const auto tekstKwijt = [&] {
                if (!tekst.isEmpty())
                    a.stukken.append(Stuk{tekst, opmaak, {}});
                tekst.clear();
            };
            for (const QDomElement& k : kinderen(e)) {
                const QString kt = k.tagName();
                if (kt == u"w:rPr" || kt == u"w:lastRenderedPageBreak")
                    continue;
                if (kt == u"w:t") {
                    tekst += k.text();
                } else if (kt == u"w:tab") {
                    tekst += u'\t';
                } else {
                    // Anything else in a run (a drawing, a field character, a break) is kept in a run of its own.
                    tekstKwijt();
                    QDomElement run = p.ownerDocument().createElement(QStringLiteral("w:r"));
                    if (!rPr.isNull())
                        run.appendChild(rPr.cloneNode(true));
                    run.appendChild(k.cloneNode(true));
                    a.stukken.append(Stuk{QString(), opmaak, run});
                }
            }
            tekstKwijt();
        } else {
            a.stukken.append(Stuk{QString(), {}, e});
        }
    }
}

std::unique_ptr<Tabel> tabelLezen(const QDomElement& tbl, const QString& naam)
{
    auto tabel = std::make_unique<Tabel>();
    for (const QDomElement& e : kinderen(tbl)) {
        const QString t = e.tagName();
        if (t == u"w:tblPr") {
            tabel->tblPr = e;
        } else if (t == u"w:tblGrid") {
            tabel->tblGrid = e;
        } else if (t == u"w:tr") {
            auto rij = std::make_unique<Rij>();
            rij->tabel = tabel.get();
            for (const QDomElement& r : kinderen(e)) {
                const QString rt = r.tagName();
                if (rt == u"w:tblPrEx") {
                    rij->tblPrEx = r;
                } else if (rt == u"w:trPr") {
                    rij->trPr = r;
                } else if (rt == u"w:tc") {
                    auto cel = std::make_unique<Cel>();
                    cel->rij = rij.get();
                    for (const QDomElement& c : kinderen(r)) {
                        const QString ct = c.tagName();
                        if (ct == u"w:tcPr") {
                            for (const QDomElement& pr : kinderen(c)) {
                                const QString prt = pr.tagName();
                                if (prt == u"w:tcW") {
                                    cel->tcW = pr;
                                } else if (prt == u"w:gridSpan") {
                                    cel->gridSpan = std::max(1, pr.attribute(QStringLiteral("w:val")).toInt());
                                } else if (prt == u"w:vMerge") {
                                    cel->vMerge = pr.attribute(QStringLiteral("w:val"), QStringLiteral("continue"));
                                } else if (prt == u"w:tcBorders") {
                                    for (const QDomElement& rand : kinderen(pr)) {
                                        QString zijde = rand.tagName().mid(2);
                                        if (zijde == u"start")
                                            zijde = QStringLiteral("left");
                                        else if (zijde == u"end")
                                            zijde = QStringLiteral("right");
                                        QMap<QString, QString> kenmerken;
                                        const QDomNamedNodeMap at = rand.attributes();
                                        for (int i = 0; i < at.count(); ++i) {
                                            const QDomAttr a = at.item(i).toAttr();
                                            kenmerken.insert(a.name(), a.value());
                                        }
                                        cel->randen.insert(zijde, kenmerken);
                                    }
                                } else {
                                    cel->overig.append(pr);
                                }
                            }
                        } else if (ct == u"w:p") {
                            auto a = std::make_unique<Alinea>();
                            a->cel = cel.get();
                            alineaLezen(*a, c);
                            cel->alineas.push_back(std::move(a));
                        } else if (ct == u"w:tbl") {
                            throw onleesbaar(naam, QStringLiteral("tabellen in tabellen worden niet ondersteund"));
                        }
                    }
                    if (cel->alineas.empty()) {
                        auto a = std::make_unique<Alinea>();
                        a->cel = cel.get();
                        cel->alineas.push_back(std::move(a));
                    }
                    rij->cellen.push_back(std::move(cel));
                }
            }
            if (!rij->cellen.empty())
                tabel->rijen.push_back(std::move(rij));
        }
    }
    if (tabel->rijen.empty())
        throw onleesbaar(naam, QStringLiteral("een tabel zonder rijen"));
    return tabel;
}

Opmaak standaardLezen(const QByteArray& stijlen)
{
    Opmaak s;
    s.naam = QStringLiteral("Times New Roman");
    s.grootte = 10.0;
    s.vet = false;
    s.cursief = false;
    s.onderstreept = wdUnderlineNone;
    s.kleur = QStringLiteral("auto");
    QDomDocument dom;
    if (stijlen.isEmpty() || !dom.setContent(stijlen, false))
        return s;
    const auto over = [&s](const QDomElement& rPr) {
        const Opmaak o = runOpmaakLezen(rPr).opmaak;
        if (o.naam)
            s.naam = o.naam;
        if (o.grootte)
            s.grootte = o.grootte;
        if (o.vet)
            s.vet = o.vet;
        if (o.cursief)
            s.cursief = o.cursief;
        if (o.onderstreept)
            s.onderstreept = o.onderstreept;
        if (o.kleur)
            s.kleur = o.kleur;
    };
    const QDomElement wortel = dom.documentElement();
    over(wortel.firstChildElement(QStringLiteral("w:docDefaults"))
             .firstChildElement(QStringLiteral("w:rPrDefault"))
             .firstChildElement(QStringLiteral("w:rPr")));
    for (QDomElement st = wortel.firstChildElement(QStringLiteral("w:style")); !st.isNull();
         st = st.nextSiblingElement(QStringLiteral("w:style"))) {
        const QString standaard = st.attribute(QStringLiteral("w:default"));
        if (st.attribute(QStringLiteral("w:type")) == u"paragraph" && (standaard == u"1" || standaard == u"true")) {
            over(st.firstChildElement(QStringLiteral("w:rPr")));
            break;
        }
    }
    return s;
}

// QDomDocument drops text of only blanks, which a run may well hold; this builds the tree keeping every text.
bool domLezen(QDomDocument& dom, const QByteArray& xml, QString& fout, int& regel)
{
    dom = QDomDocument(QString());
    QXmlStreamReader r(xml);
    r.setNamespaceProcessing(false);
    QDomNode huidig = dom;
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::StartElement: {
            QDomElement e = dom.createElement(r.qualifiedName().toString());
            for (const QXmlStreamAttribute& a : r.attributes())
                e.setAttribute(a.qualifiedName().toString(), a.value().toString());
            huidig.appendChild(e);
            huidig = e;
            break;
        }
        case QXmlStreamReader::EndElement:
            huidig = huidig.parentNode();
            break;
        case QXmlStreamReader::Characters:
            if (huidig.isElement())
                huidig.appendChild(dom.createTextNode(r.text().toString()));
            break;
        default:
            break;
        }
    }
    if (r.hasError()) {
        fout = r.errorString();
        regel = static_cast<int>(r.lineNumber());
        return false;
    }
    return !dom.documentElement().isNull();
}

QString hoofddeelZoeken(const QList<QPair<QString, QByteArray>>& delen)
{
    for (const auto& [naam, inhoud] : delen) {
        if (naam != u"_rels/.rels")
            continue;
        QDomDocument dom;
        if (!dom.setContent(inhoud, false))
            break;
        for (QDomElement r = dom.documentElement().firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
            if (r.attribute(QStringLiteral("Type")).endsWith(QStringLiteral("/officeDocument"))) {
                QString doel = r.attribute(QStringLiteral("Target"));
                if (doel.startsWith(u'/'))
                    doel.remove(0, 1);
                return doel;
            }
        }
    }
    return QStringLiteral("word/document.xml");
}

} // namespace

std::shared_ptr<Model> lezen(const QByteArray& bytes, const QString& naam)
{
    auto model = std::make_shared<Model>();
    model->delen = zipLezen(bytes, naam);
    model->hoofddeel = hoofddeelZoeken(model->delen);

    QByteArray hoofd, stijlen;
    for (const auto& [deel, inhoud] : model->delen) {
        if (deel == model->hoofddeel)
            hoofd = inhoud;
        else if (deel == u"word/styles.xml")
            stijlen = inhoud;
    }
    if (hoofd.isEmpty())
        throw onleesbaar(naam, QStringLiteral("het hoofddeel ontbreekt"));

    QString fout;
    int regel = 0;
    if (!domLezen(model->dom, hoofd, fout, regel))
        throw onleesbaar(naam, QStringLiteral("regel %1: %2").arg(regel).arg(fout));
    model->wortel = model->dom.documentElement();
    model->lichaam = model->wortel.firstChildElement(QStringLiteral("w:body"));
    if (model->lichaam.isNull())
        throw onleesbaar(naam, QStringLiteral("het document heeft geen inhoud"));

    for (const QDomElement& e : kinderen(model->lichaam)) {
        Blok b;
        const QString t = e.tagName();
        if (t == u"w:p") {
            b.alinea = std::make_unique<Alinea>();
            alineaLezen(*b.alinea, e);
        } else if (t == u"w:tbl") {
            b.tabel = tabelLezen(e, naam);
        } else {
            b.ruw = e;
        }
        model->blokken.push_back(std::move(b));
    }
    if (!model->eersteAlinea()) {
        // A body without paragraphs still needs a place for the insertion point.
        Blok b;
        b.alinea = std::make_unique<Alinea>();
        const auto sectie = std::find_if(model->blokken.begin(), model->blokken.end(),
                                         [](const Blok& x) { return x.ruw.tagName() == u"w:sectPr"; });
        model->blokken.insert(sectie, std::move(b));
    }
    model->standaard = standaardLezen(stijlen);
    return model;
}

} // namespace word::detail
