// Reading a .docx or .dotx into the model: the zip's parts as bytes, the body of the main part as
// paragraphs and tables, the default formatting from the styles.

#include "word/Model.h"

#include <QDomDocument>
#include <QDomElement>
#include <QXmlStreamReader>

namespace word::detail {

namespace {

WordFout onleesbaar(const QString& naam, const QString& reden)
{
    return WordFout(QStringLiteral("Het bestand %1 is geen leesbaar document (%2).").arg(naam, reden).toStdString());
}

bool aanUit(QStringView waarde)
{
    return !(waarde == u"0" || waarde == u"false" || waarde == u"off");
}

/**
 * Reads the main part straight from the XML stream into the model. What the model keeps as it is (paragraph,
 * cell, row and table properties, bookmarks, the section) is kept as the XML text it was read from; paragraphs,
 * runs and texts become the model's own pieces. No element tree is built, which keeps a template quick to read.
 */
class Lezer
{
public:
    Lezer(Model& model, const QByteArray& xml, const QString& naam)
        : m_model(model)
        , m_tekst(QString::fromUtf8(xml))
        , m_naam(naam)
        , m_r(m_tekst)
    {
        m_r.setNamespaceProcessing(false);
    }

    void lezen()
    {
        while (!m_r.atEnd()) {
            if (volgende() == QXmlStreamReader::StartElement) {
                wortelLezen();
                break;
            }
        }
        if (m_r.hasError())
            throw onleesbaar(m_naam, QStringLiteral("regel %1: %2").arg(m_r.lineNumber()).arg(m_r.errorString()));
        if (!m_lichaamGezien)
            throw onleesbaar(m_naam, QStringLiteral("het document heeft geen inhoud"));
    }

    /** The run formatting of an rPr element the reader stands on, read to its end. */
    RunOpmaak runOpmaakLezen()
    {
        RunOpmaak r;
        while (kind()) {
            const QStringView n = m_r.qualifiedName();
            const QXmlStreamAttributes at = m_r.attributes();
            const QStringView val = at.value(QStringLiteral("w:val"));
            if (n == u"w:rFonts" && at.hasAttribute(QStringLiteral("w:ascii"))) {
                r.opmaak.naam = at.value(QStringLiteral("w:ascii")).toString();
                overslaan();
            } else if (n == u"w:b") {
                r.opmaak.vet = aanUit(val);
                overslaan();
            } else if (n == u"w:i") {
                r.opmaak.cursief = aanUit(val);
                overslaan();
            } else if (n == u"w:u") {
                r.opmaak.onderstreept = val == u"none" ? wdUnderlineNone : wdUnderlineSingle;
                overslaan();
            } else if (n == u"w:sz") {
                r.opmaak.grootte = val.toDouble() / 2.0;
                overslaan();
            } else if (n == u"w:color") {
                r.opmaak.kleur = val.toString();
                overslaan();
            } else {
                r.overig.append(ruwLezen());
            }
        }
        return r;
    }

private:
    QXmlStreamReader::TokenType volgende() { return m_r.readNext(); }

    // Moves to the next child element of the element the reader is in; false at that element's end.
    bool kind()
    {
        while (!m_r.atEnd()) {
            switch (volgende()) {
            case QXmlStreamReader::StartElement:
                // The reader stands just after the start tag, which holds no other '<'.
                m_begin = m_tekst.lastIndexOf(u'<', m_r.characterOffset() - 1);
                return true;
            case QXmlStreamReader::EndElement:
                return false;
            default:
                break;
            }
        }
        return false;
    }

    bool is(const char16_t* naam) const { return m_r.qualifiedName() == QStringView(naam); }

    // Reads to the end of the current element.
    void overslaan()
    {
        int diepte = 1;
        while (diepte > 0 && !m_r.atEnd()) {
            const auto t = volgende();
            if (t == QXmlStreamReader::StartElement)
                ++diepte;
            else if (t == QXmlStreamReader::EndElement)
                --diepte;
        }
    }

    // The current element as the text it was read from; the reader ends on its end tag.
    Ruw ruwLezen()
    {
        const qsizetype begin = m_begin;
        Ruw r;
        r.naam = m_r.qualifiedName().toString();
        overslaan();
        r.xml = m_tekst.mid(begin, m_r.characterOffset() - begin);
        return r;
    }

    QString tekstLezen()
    {
        QString t;
        int diepte = 1;
        while (diepte > 0 && !m_r.atEnd()) {
            switch (volgende()) {
            case QXmlStreamReader::StartElement:
                ++diepte;
                break;
            case QXmlStreamReader::EndElement:
                --diepte;
                break;
            case QXmlStreamReader::Characters:
                if (diepte == 1)
                    t += m_r.text();
                break;
            default:
                break;
            }
        }
        return t;
    }

    void wortelLezen()
    {
        m_model.wortelNaam = m_r.qualifiedName().toString();
        const qsizetype begin = m_tekst.lastIndexOf(u'<', m_r.characterOffset() - 1);
        m_model.wortelBegin = m_tekst.mid(begin, m_r.characterOffset() - begin);
        if (m_model.wortelBegin.endsWith(QStringLiteral("/>")))
            return;
        while (kind()) {
            if (is(u"w:body")) {
                m_lichaamGezien = true;
                lichaamLezen();
            } else {
                m_model.voorLichaam.append(ruwLezen());
            }
        }
    }

    void lichaamLezen()
    {
        while (kind()) {
            Blok b;
            if (is(u"w:p")) {
                b.alinea = std::make_unique<Alinea>();
                alineaLezen(*b.alinea);
            } else if (is(u"w:tbl")) {
                b.tabel = tabelLezen();
            } else {
                b.ruw = ruwLezen();
            }
            m_model.blokken.push_back(std::move(b));
        }
    }

    void alineaLezen(Alinea& a)
    {
        while (kind()) {
            if (is(u"w:pPr")) {
                const qsizetype begin = m_begin;
                a.pPr.naam = QStringLiteral("w:pPr");
                while (kind()) {
                    if (is(u"w:rPr"))
                        a.teken = runOpmaakLezen();
                    else
                        overslaan();
                }
                a.pPr.xml = m_tekst.mid(begin, m_r.characterOffset() - begin);
            } else if (is(u"w:r")) {
                runLezen(a);
            } else {
                Stuk s;
                const bool bladwijzer = is(u"w:bookmarkStart") || is(u"w:bookmarkEnd");
                if (bladwijzer) {
                    s.bladwijzer = m_r.attributes().value(QStringLiteral("w:name")).toString();
                    s.id = m_r.attributes().value(QStringLiteral("w:id")).toString();
                }
                s.ruw = ruwLezen();
                a.stukken.append(s);
            }
        }
    }

    void runLezen(Alinea& a)
    {
        QString rPr;
        RunOpmaak opmaak;
        QString tekst;
        const auto tekstKwijt = [&] {
            if (!tekst.isEmpty())
                a.stukken.append(Stuk{tekst, opmaak, {}, {}, {}});
            tekst.clear();
        };
        while (kind()) {
            if (is(u"w:rPr")) {
                const qsizetype begin = m_begin;
                opmaak = runOpmaakLezen();
                rPr = m_tekst.mid(begin, m_r.characterOffset() - begin);
            } else if (is(u"w:t")) {
                tekst += tekstLezen();
            } else if (is(u"w:tab")) {
                tekst += u'\t';
                overslaan();
            } else if (is(u"w:lastRenderedPageBreak")) {
                overslaan();
            } else {
                // Anything else in a run (a drawing, a field character, a break) is kept in a run of its own.
                tekstKwijt();
                Stuk s;
                s.opmaak = opmaak;
                const Ruw inhoud = ruwLezen();
                s.ruw = Ruw{QStringLiteral("w:r"), QStringLiteral("<w:r>") + rPr + inhoud.xml + QStringLiteral("</w:r>")};
                a.stukken.append(s);
            }
        }
        tekstKwijt();
    }

    std::unique_ptr<Tabel> tabelLezen()
    {
        auto tabel = std::make_unique<Tabel>();
        while (kind()) {
            if (is(u"w:tblPr")) {
                tabel->tblPr = ruwLezen();
            } else if (is(u"w:tblGrid")) {
                tabel->tblGrid = ruwLezen();
            } else if (is(u"w:tr")) {
                auto rij = std::make_unique<Rij>();
                rij->tabel = tabel.get();
                while (kind()) {
                    if (is(u"w:tblPrEx"))
                        rij->tblPrEx = ruwLezen();
                    else if (is(u"w:trPr"))
                        rij->trPr = ruwLezen();
                    else if (is(u"w:tc"))
                        rij->cellen.push_back(celLezen(rij.get()));
                    else
                        overslaan();
                }
                if (!rij->cellen.empty())
                    tabel->rijen.push_back(std::move(rij));
            } else {
                overslaan();
            }
        }
        if (tabel->rijen.empty())
            throw onleesbaar(m_naam, QStringLiteral("een tabel zonder rijen"));
        return tabel;
    }

    std::unique_ptr<Cel> celLezen(Rij* rij)
    {
        auto cel = std::make_unique<Cel>();
        cel->rij = rij;
        while (kind()) {
            if (is(u"w:tcPr")) {
                celEigenschappenLezen(*cel);
            } else if (is(u"w:p")) {
                auto a = std::make_unique<Alinea>();
                a->cel = cel.get();
                alineaLezen(*a);
                cel->alineas.push_back(std::move(a));
            } else if (is(u"w:tbl")) {
                throw onleesbaar(m_naam, QStringLiteral("tabellen in tabellen worden niet ondersteund"));
            } else {
                overslaan();
            }
        }
        if (cel->alineas.empty()) {
            auto a = std::make_unique<Alinea>();
            a->cel = cel.get();
            cel->alineas.push_back(std::move(a));
        }
        return cel;
    }

    void celEigenschappenLezen(Cel& cel)
    {
        while (kind()) {
            if (is(u"w:tcW")) {
                cel.tcW = ruwLezen();
            } else if (is(u"w:gridSpan")) {
                cel.gridSpan = std::max(1, m_r.attributes().value(QStringLiteral("w:val")).toInt());
                overslaan();
            } else if (is(u"w:vMerge")) {
                const QStringView v = m_r.attributes().value(QStringLiteral("w:val"));
                cel.vMerge = v.isEmpty() ? QStringLiteral("continue") : v.toString();
                overslaan();
            } else if (is(u"w:tcBorders")) {
                while (kind()) {
                    QString zijde = m_r.qualifiedName().mid(2).toString();
                    if (zijde == u"start")
                        zijde = QStringLiteral("left");
                    else if (zijde == u"end")
                        zijde = QStringLiteral("right");
                    QMap<QString, QString> kenmerken;
                    for (const QXmlStreamAttribute& a : m_r.attributes())
                        kenmerken.insert(a.qualifiedName().toString(), a.value().toString());
                    cel.randen.insert(zijde, kenmerken);
                    overslaan();
                }
            } else {
                cel.overig.append(ruwLezen());
            }
        }
    }

    Model& m_model;
    QString m_tekst;
    QString m_naam;
    QXmlStreamReader m_r;
    qsizetype m_begin = 0; ///< where the element last started begins in the text
    bool m_lichaamGezien = false;
};

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
        for (QDomElement e = rPr.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            const QString t = e.tagName();
            const QString val = e.attribute(QStringLiteral("w:val"));
            if (t == u"w:rFonts" && e.hasAttribute(QStringLiteral("w:ascii")))
                s.naam = e.attribute(QStringLiteral("w:ascii"));
            else if (t == u"w:b")
                s.vet = aanUit(val);
            else if (t == u"w:i")
                s.cursief = aanUit(val);
            else if (t == u"w:u")
                s.onderstreept = val == u"none" ? wdUnderlineNone : wdUnderlineSingle;
            else if (t == u"w:sz")
                s.grootte = val.toDouble() / 2.0;
            else if (t == u"w:color")
                s.kleur = val;
        }
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

    Lezer(*model, hoofd, naam).lezen();
    if (!model->eersteAlinea()) {
        // A body without paragraphs still needs a place for the insertion point.
        Blok b;
        b.alinea = std::make_unique<Alinea>();
        const auto sectie = std::find_if(model->blokken.begin(), model->blokken.end(),
                                         [](const Blok& x) { return x.ruw.naam == u"w:sectPr"; });
        model->blokken.insert(sectie, std::move(b));
    }
    model->standaard = standaardLezen(stijlen);
    return model;
}

} // namespace word::detail
