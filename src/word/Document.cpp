// The members of the document, its tables, cells, ranges, bookmarks and borders.

#include "word/Model.h"

#include "bestand/Schrijver.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace word {

using detail::Alinea;
using detail::Model;
using detail::Plaats;

namespace {

/**
 * The stated width of a cell that takes in the cell beside it: both widths added up, when both are in
 * twentieths of a point; otherwise the first cell's width as it was.
 */
void breedteOptellen(detail::Ruw& naar, const detail::Ruw& van)
{
    static const QRegularExpression breedte(QStringLiteral("w:w=\"(\\d+)\""));
    const auto inDxa = [](const detail::Ruw& w) { return w.xml.contains(QStringLiteral("w:type=\"dxa\"")); };
    if (!inDxa(naar) || !inDxa(van))
        return;
    const QRegularExpressionMatch a = breedte.match(naar.xml);
    const QRegularExpressionMatch b = breedte.match(van.xml);
    if (!a.hasMatch() || !b.hasMatch())
        return;
    const qint64 som = a.captured(1).toLongLong() + b.captured(1).toLongLong();
    naar.xml.replace(a.capturedStart(1), a.capturedLength(1), QString::number(som));
}

QString tekstTussen(const Model& m, const Plaats& van, const Plaats& tot)
{
    const QList<Alinea*> alle = m.alleAlineas();
    const qsizetype eerste = alle.indexOf(van.alinea);
    const qsizetype laatste = alle.indexOf(tot.alinea);
    QString t;
    for (qsizetype k = eerste; k <= laatste && k >= 0; ++k) {
        const QString a = alle[k]->tekst();
        const int begin = k == eerste ? van.teken : 0;
        const int einde = k == laatste ? tot.teken : static_cast<int>(a.size());
        if (k > eerste)
            t += u'\r';
        t += a.mid(begin, einde - begin);
    }
    return t;
}

// Keeps the insertion point on a paragraph that still exists after cells were emptied or merged.
void selectieHerstellen(Model& m, const Plaats& terugval)
{
    const QList<Alinea*> alle = m.alleAlineas();
    for (Plaats* p : {&m.anker, &m.actief}) {
        if (!alle.contains(p->alinea))
            *p = terugval;
        else
            p->teken = std::min(p->teken, p->alinea->lengte());
    }
}

int kleurWaarde(const QString& hex)
{
    if (hex.isEmpty() || hex == u"auto")
        return wdColorAutomatic;
    const int rgb = hex.toInt(nullptr, 16);
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

QString kleurTekst(int kleur)
{
    if (kleur == wdColorAutomatic)
        return QStringLiteral("auto");
    const int rgb = ((kleur & 0xFF) << 16) | (kleur & 0xFF00) | ((kleur >> 16) & 0xFF);
    return QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace

// ---- Rand, Randen, Cellen

Rand::Rand(std::shared_ptr<Model> model, detail::Tabel* tabel, int r1, int c1, int r2, int c2, int rand)
    : m_model(std::move(model))
    , m_tabel(tabel)
    , m_r1(r1)
    , m_c1(c1)
    , m_r2(r2)
    , m_c2(c2)
    , m_rand(rand)
{
}

namespace {

// The cell sides that one border of a block stands for.
QList<QPair<detail::Cel*, QString>> randZijden(detail::Tabel* t, int r1, int c1, int r2, int c2, int rand)
{
    QList<QPair<detail::Cel*, QString>> lijst;
    for (int r = r1; r <= r2; ++r) {
        const int laatste = std::min(c2, static_cast<int>(t->rijen[static_cast<size_t>(r - 1)]->cellen.size()));
        for (int c = c1; c <= laatste; ++c) {
            detail::Cel* cel = Model::cel(t, r, c);
            if (!cel)
                continue;
            switch (rand) {
            case wdBorderTop:
                if (r == r1)
                    lijst.append({cel, QStringLiteral("top")});
                break;
            case wdBorderBottom:
                if (r == r2)
                    lijst.append({cel, QStringLiteral("bottom")});
                break;
            case wdBorderLeft:
                if (c == c1)
                    lijst.append({cel, QStringLiteral("left")});
                break;
            case wdBorderRight:
                if (c == laatste)
                    lijst.append({cel, QStringLiteral("right")});
                break;
            case wdBorderVertical:
                if (c < laatste)
                    lijst.append({cel, QStringLiteral("right")});
                if (c > c1)
                    lijst.append({cel, QStringLiteral("left")});
                break;
            default:
                break;
            }
        }
    }
    return lijst;
}

void randZetten(QMap<QString, QString>& r, const QString& sleutel, const QString& waarde)
{
    r.insert(sleutel, waarde);
    if (!r.contains(QStringLiteral("w:val")))
        r.insert(QStringLiteral("w:val"), QStringLiteral("single"));
    if (!r.contains(QStringLiteral("w:sz")))
        r.insert(QStringLiteral("w:sz"), QString::number(wdLineWidth050pt));
    if (!r.contains(QStringLiteral("w:space")))
        r.insert(QStringLiteral("w:space"), QStringLiteral("0"));
    if (!r.contains(QStringLiteral("w:color")))
        r.insert(QStringLiteral("w:color"), QStringLiteral("auto"));
}

} // namespace

void Rand::LineStyle(int stijl)
{
    for (const auto& [cel, zijde] : randZijden(m_tabel, m_r1, m_c1, m_r2, m_c2, m_rand))
        randZetten(cel->randen[zijde], QStringLiteral("w:val"),
                   stijl == wdLineStyleNone ? QStringLiteral("nil") : QStringLiteral("single"));
}

int Rand::LineStyle() const
{
    const auto zijden = randZijden(m_tabel, m_r1, m_c1, m_r2, m_c2, m_rand);
    if (zijden.isEmpty())
        return wdLineStyleNone;
    const QString v = zijden.first().first->randen.value(zijden.first().second).value(QStringLiteral("w:val"));
    return v.isEmpty() || v == u"nil" || v == u"none" ? wdLineStyleNone : wdLineStyleSingle;
}

void Rand::LineWidth(int breedte)
{
    for (const auto& [cel, zijde] : randZijden(m_tabel, m_r1, m_c1, m_r2, m_c2, m_rand))
        randZetten(cel->randen[zijde], QStringLiteral("w:sz"), QString::number(breedte));
}

int Rand::LineWidth() const
{
    const auto zijden = randZijden(m_tabel, m_r1, m_c1, m_r2, m_c2, m_rand);
    if (zijden.isEmpty())
        return 0;
    return zijden.first().first->randen.value(zijden.first().second).value(QStringLiteral("w:sz")).toInt();
}

void Rand::Color(int kleur)
{
    for (const auto& [cel, zijde] : randZijden(m_tabel, m_r1, m_c1, m_r2, m_c2, m_rand))
        randZetten(cel->randen[zijde], QStringLiteral("w:color"), kleurTekst(kleur));
}

int Rand::Color() const
{
    const auto zijden = randZijden(m_tabel, m_r1, m_c1, m_r2, m_c2, m_rand);
    if (zijden.isEmpty())
        return wdColorAutomatic;
    return kleurWaarde(zijden.first().first->randen.value(zijden.first().second).value(QStringLiteral("w:color")));
}

Randen::Randen(std::shared_ptr<Model> model, detail::Tabel* tabel, int r1, int c1, int r2, int c2)
    : m_model(std::move(model))
    , m_tabel(tabel)
    , m_r1(r1)
    , m_c1(c1)
    , m_r2(r2)
    , m_c2(c2)
{
}

Rand Randen::Item(int rand)
{
    return Rand(m_model, m_tabel, m_r1, m_c1, m_r2, m_c2, rand);
}

void Randen::Shadow(bool)
{
}

Cellen::Cellen(std::shared_ptr<Model> model, detail::Tabel* tabel, int r1, int c1, int r2, int c2)
    : m_model(std::move(model))
    , m_tabel(tabel)
    , m_r1(r1)
    , m_c1(c1)
    , m_r2(r2)
    , m_c2(c2)
{
}

void Cellen::Merge()
{
    Model& m = *m_model;
    const auto heeftTekst = [](const detail::Cel* c) {
        for (const auto& a : c->alineas) {
            if (a->lengte() > 0)
                return true;
        }
        return false;
    };
    // The text of a merged cell follows that of the cell it joins; an empty cell adds nothing.
    const auto overnemen = [&](detail::Cel* naar, detail::Cel* van) {
        if (!heeftTekst(van))
            return;
        if (!heeftTekst(naar))
            naar->alineas.clear();
        for (auto& a : van->alineas) {
            if (a->lengte() == 0)
                continue;
            a->cel = naar;
            naar->alineas.push_back(std::move(a));
        }
        van->alineas.clear();
    };
    detail::Cel* boven = nullptr;
    Plaats terugval;
    for (int r = m_r1; r <= m_r2; ++r) {
        detail::Cel* eerste = Model::cel(m_tabel, r, m_c1);
        if (!eerste)
            continue;
        detail::Rij* rij = eerste->rij;
        const int laatste = std::min(m_c2, static_cast<int>(rij->cellen.size()));
        for (int c = laatste; c > m_c1; --c) {
            detail::Cel* cel = rij->cellen[static_cast<size_t>(c - 1)].get();
            eerste->gridSpan += cel->gridSpan;
            breedteOptellen(eerste->tcW, cel->tcW);
            if (cel->randen.contains(QStringLiteral("right")))
                eerste->randen.insert(QStringLiteral("right"), cel->randen.value(QStringLiteral("right")));
            overnemen(eerste, cel);
            rij->cellen.erase(rij->cellen.begin() + (c - 1));
        }
        if (m_r2 > m_r1) {
            if (!boven) {
                boven = eerste;
                eerste->vMerge = QStringLiteral("restart");
            } else {
                eerste->vMerge = QStringLiteral("continue");
                overnemen(boven, eerste);
            }
        }
        if (eerste->alineas.empty()) {
            auto a = std::make_unique<Alinea>();
            a->cel = eerste;
            eerste->alineas.push_back(std::move(a));
        }
        if (!terugval.alinea)
            terugval = {eerste->alineas.front().get(), 0};
    }
    m_c2 = m_c1;
    selectieHerstellen(m, terugval);
}

Randen Cellen::Borders()
{
    return Randen(m_model, m_tabel, m_r1, m_c1, m_r2, m_c2);
}

// ---- Bereik

Bereik::Bereik(std::shared_ptr<Model> model, Plaats begin, Plaats einde)
    : m_model(std::move(model))
    , m_begin(begin)
    , m_einde(einde)
{
}

Bereik::Bereik(std::shared_ptr<Model> model, detail::Tabel* tabel, int r1, int c1, int r2, int c2)
    : m_model(std::move(model))
    , m_tabel(tabel)
    , m_r1(r1)
    , m_c1(c1)
    , m_r2(r2)
    , m_c2(c2)
{
}

int Bereik::Start() const
{
    if (m_tabel)
        return m_model->celBegin(Model::cel(m_tabel, m_r1, m_c1));
    return m_model->positie(m_begin);
}

int Bereik::End() const
{
    if (m_tabel) {
        detail::Cel* laatste = Model::cel(m_tabel, m_r2, m_c2);
        if (!laatste)
            laatste = m_tabel->rijen[static_cast<size_t>(m_r2 - 1)]->cellen.back().get();
        return m_model->celEinde(laatste);
    }
    // The end of a whole cell lies after its end mark.
    const int einde = m_model->positie(m_einde);
    if (detail::Cel* c = m_einde.alinea->cel) {
        if (m_einde.alinea == c->alineas.back().get() && m_einde.teken == m_einde.alinea->lengte()
            && m_begin.alinea == c->alineas.front().get() && m_begin.teken == 0)
            return einde + 1;
    }
    return einde;
}

void Bereik::InsertAfter(const QString& tekst)
{
    Model& m = *m_model;
    Plaats p = m_einde;
    if (m_tabel) {
        detail::Cel* laatste = Model::cel(m_tabel, m_r2, m_c2);
        if (!laatste)
            return;
        p = {laatste->alineas.back().get(), laatste->alineas.back()->lengte()};
    }
    const detail::RunOpmaak opmaak = m.opmaakBij(p);
    const QStringList regels = detail::regelsVan(tekst);
    for (qsizetype i = 0; i < regels.size(); ++i) {
        if (i > 0)
            p = m.splitsen(p);
        const Plaats voor = p;
        p = m.invoegen(p, regels[i], opmaak);
        // The insertion point keeps its place in the text.
        for (Plaats* s : {&m.anker, &m.actief}) {
            if (s->alinea == voor.alinea && s->teken > voor.teken)
                s->teken += static_cast<int>(regels[i].size());
        }
    }
    if (!m_tabel)
        m_einde = p;
}

void Bereik::Delete(int, int)
{
    Model& m = *m_model;
    if (m_tabel) {
        Plaats terugval;
        for (int r = m_r1; r <= m_r2; ++r) {
            for (int c = m_c1; c <= m_c2; ++c) {
                if (detail::Cel* cel = Model::cel(m_tabel, r, c)) {
                    m.celLeegmaken(cel);
                    if (!terugval.alinea)
                        terugval = {cel->alineas.front().get(), 0};
                }
            }
        }
        selectieHerstellen(m, terugval);
        return;
    }
    const Plaats p = m.verwijderen(m_begin, m_einde);
    selectieHerstellen(m, p);
    m_begin = m_einde = p;
}

Cellen Bereik::Cells() const
{
    if (m_tabel)
        return Cellen(m_model, m_tabel, m_r1, m_c1, m_r2, m_c2);
    detail::Cel* a = m_begin.alinea->cel;
    detail::Cel* b = m_einde.alinea->cel;
    if (!a || !b || a->rij->tabel != b->rij->tabel)
        throw WordFout("Dit deel van het document ligt niet in een tabel.");
    const auto [r1, c1] = Model::celPlaats(a);
    const auto [r2, c2] = Model::celPlaats(b);
    return Cellen(m_model, a->rij->tabel, r1, std::min(c1, c2), r2, std::max(c1, c2));
}

QString Bereik::Text() const
{
    if (!m_tabel)
        return tekstTussen(*m_model, m_begin, m_einde);
    QStringList cellen;
    for (int r = m_r1; r <= m_r2; ++r) {
        for (int c = m_c1; c <= m_c2; ++c) {
            if (detail::Cel* cel = Model::cel(m_tabel, r, c)) {
                QStringList t;
                for (const auto& a : cel->alineas)
                    t << a->tekst();
                cellen << t.join(u'\r');
            }
        }
    }
    return cellen.join(u'\r');
}

namespace {

QList<Alinea*> alineasVan(const Model& m, const Bereik::Plaats& begin, const Bereik::Plaats& einde,
                          detail::Tabel* tabel, int r1, int c1, int r2, int c2)
{
    QList<Alinea*> lijst;
    if (tabel) {
        for (int r = r1; r <= r2; ++r) {
            for (int c = c1; c <= c2; ++c) {
                if (detail::Cel* cel = Model::cel(tabel, r, c)) {
                    for (const auto& a : cel->alineas)
                        lijst << a.get();
                }
            }
        }
        return lijst;
    }
    const QList<Alinea*> alle = m.alleAlineas();
    const qsizetype eerste = alle.indexOf(begin.alinea);
    const qsizetype laatste = alle.indexOf(einde.alinea);
    for (qsizetype k = eerste; k <= laatste && k >= 0; ++k)
        lijst << alle[k];
    return lijst;
}

} // namespace

int Bereik::ParagraphsCount() const
{
    return static_cast<int>(alineasVan(*m_model, m_begin, m_einde, m_tabel, m_r1, m_c1, m_r2, m_c2).size());
}

Bereik Bereik::Paragraphs(int nummer) const
{
    const QList<Alinea*> lijst = alineasVan(*m_model, m_begin, m_einde, m_tabel, m_r1, m_c1, m_r2, m_c2);
    if (nummer < 1 || nummer > lijst.size())
        throw WordFout(QStringLiteral("Er is geen alinea %1.").arg(nummer).toStdString());
    Alinea* a = lijst[nummer - 1];
    return Bereik(m_model, Plaats{a, 0}, Plaats{a, a->lengte()});
}

QList<Tekstdeel> Bereik::delen() const
{
    const Model& m = *m_model;
    const QList<Alinea*> lijst = alineasVan(m, m_begin, m_einde, m_tabel, m_r1, m_c1, m_r2, m_c2);
    QList<Tekstdeel> uit;
    const auto erbij = [&uit](const QString& t, const Opmaak& o) {
        if (t.isEmpty())
            return;
        if (!uit.isEmpty() && uit.last().opmaak == o)
            uit.last().tekst += t;
        else
            uit.append({t, o});
    };
    for (qsizetype k = 0; k < lijst.size(); ++k) {
        const Alinea* a = lijst[k];
        if (k > 0)
            erbij(QStringLiteral("\r"), m.effectief(a->teken.opmaak));
        const int begin = !m_tabel && k == 0 ? m_begin.teken : 0;
        const int einde = !m_tabel && k == lijst.size() - 1 ? m_einde.teken : a->lengte();
        int pos = 0;
        for (const detail::Stuk& s : a->stukken) {
            if (s.isRuw())
                continue;
            const int van = std::max(begin, pos);
            const int tot = std::min(einde, pos + s.lengte());
            if (tot > van)
                erbij(s.tekst.mid(van - pos, tot - van), m.effectief(s.opmaak.opmaak));
            pos += s.lengte();
        }
    }
    return uit;
}

Opmaak Bereik::opmaakVan(const QString& stuk) const
{
    const QList<Tekstdeel> lijst = delen();
    QString geheel;
    for (const Tekstdeel& d : lijst)
        geheel += d.tekst;
    const qsizetype i = geheel.indexOf(stuk);
    if (i < 0 || stuk.isEmpty())
        throw WordFout(QStringLiteral("De tekst \"%1\" staat hier niet.").arg(stuk).toStdString());
    qsizetype pos = 0;
    for (const Tekstdeel& d : lijst) {
        if (i < pos + d.tekst.size())
            return d.opmaak;
        pos += d.tekst.size();
    }
    return lijst.last().opmaak;
}

// ---- Cel, Tabel, Bladwijzer

Cel::Cel(std::shared_ptr<Model> model, detail::Cel* cel)
    : m_model(std::move(model))
    , m_cel(cel)
{
}

Bereik Cel::Range() const
{
    Alinea* laatste = m_cel->alineas.back().get();
    return Bereik(m_model, Plaats{m_cel->alineas.front().get(), 0}, Plaats{laatste, laatste->lengte()});
}

void Cel::Select()
{
    Model& m = *m_model;
    Alinea* laatste = m_cel->alineas.back().get();
    m.anker = {m_cel->alineas.front().get(), 0};
    m.actief = {laatste, laatste->lengte()};
    m.typOpmaak = m.opmaakBij(m.anker);
}

Tabel::Tabel(std::shared_ptr<Model> model, detail::Tabel* tabel, int nummer)
    : m_model(std::move(model))
    , m_tabel(tabel)
    , m_nummer(nummer)
{
}

Cel Tabel::Cell(int rij, int kolom) const
{
    detail::Cel* c = Model::cel(m_tabel, rij, kolom);
    if (!c) {
        throw WordFout(
            QStringLiteral("Tabel %1 van het document heeft geen cel (%2, %3).").arg(m_nummer).arg(rij).arg(kolom).toStdString());
    }
    return Cel(m_model, c);
}

int Tabel::RowsCount() const
{
    return static_cast<int>(m_tabel->rijen.size());
}

int Tabel::CellsCount(int rij) const
{
    if (rij < 1 || rij > RowsCount())
        return 0;
    return static_cast<int>(m_tabel->rijen[static_cast<size_t>(rij - 1)]->cellen.size());
}

void Tabel::DeleteRows(int van, int tot)
{
    if (van < 1 || tot < van || tot > RowsCount() || tot - van + 1 == RowsCount()) {
        throw WordFout(QStringLiteral("Tabel %1 van het document heeft geen rijen %2 tot %3 om te verwijderen.")
                           .arg(m_nummer)
                           .arg(van)
                           .arg(tot)
                           .toStdString());
    }
    auto& rijen = m_tabel->rijen;
    rijen.erase(rijen.begin() + (van - 1), rijen.begin() + tot);
    // A cell merged with the cells above it begins the merge when the rows above it went.
    if (van == 1) {
        for (auto& c : rijen.front()->cellen) {
            if (c->vMerge == u"continue")
                c->vMerge = QStringLiteral("restart");
        }
    }
    const detail::Rij* blijft = rijen[static_cast<size_t>(van > 1 ? van - 2 : 0)].get();
    selectieHerstellen(*m_model, {blijft->cellen.front()->alineas.front().get(), 0});
}

Bereik Tabel::Range() const
{
    int breedste = 1;
    for (const auto& r : m_tabel->rijen)
        breedste = std::max(breedste, static_cast<int>(r->cellen.size()));
    return Bereik(m_model, m_tabel, 1, 1, RowsCount(), breedste);
}

Bladwijzer::Bladwijzer(std::shared_ptr<Model> model, const QString& naam)
    : m_model(std::move(model))
    , m_naam(naam)
{
}

namespace {

// Where the bookmark starts and ends; false when the document has none of that name.
bool bladwijzerZoeken(const Model& m, const QString& naam, Plaats& begin, Plaats& einde)
{
    QString id;
    bool gevonden = false;
    for (Alinea* a : m.alleAlineas()) {
        int pos = 0;
        for (const detail::Stuk& s : a->stukken) {
            if (s.isRuw()) {
                const QString& t = s.ruw.naam;
                if (!gevonden && t == u"w:bookmarkStart" && s.bladwijzer == naam) {
                    gevonden = true;
                    id = s.id;
                    begin = einde = {a, pos};
                } else if (gevonden && t == u"w:bookmarkEnd" && s.id == id) {
                    einde = {a, pos};
                    return true;
                }
            }
            pos += s.lengte();
        }
    }
    return gevonden;
}

} // namespace

void Bladwijzer::Select()
{
    Model& m = *m_model;
    Plaats begin, einde;
    if (!bladwijzerZoeken(m, m_naam, begin, einde))
        throw WordFout(QStringLiteral("Het document heeft geen bladwijzer \"%1\".").arg(m_naam).toStdString());
    m.anker = begin;
    m.actief = einde;
    m.typOpmaak = m.opmaakBij(begin);
}

Bereik Bladwijzer::Range() const
{
    Plaats begin, einde;
    if (!bladwijzerZoeken(*m_model, m_naam, begin, einde))
        throw WordFout(QStringLiteral("Het document heeft geen bladwijzer \"%1\".").arg(m_naam).toStdString());
    return Bereik(m_model, begin, einde);
}

// ---- Document

Document::Document(std::shared_ptr<Model> model)
    : m_model(std::move(model))
{
    m_model->selectie.reset(new Selectie(m_model.get()));
    m_model->selectie->HomeKey(wdStory);
}

Document Document::Add(const QString& sjabloon)
{
    QFile f(sjabloon);
    if (!f.exists())
        throw WordFout(QStringLiteral("Het sjabloon %1 is niet gevonden.").arg(sjabloon).toStdString());
    if (!f.open(QIODevice::ReadOnly))
        throw WordFout(
            QStringLiteral("Het sjabloon %1 kan niet gelezen worden: %2").arg(sjabloon, f.errorString()).toStdString());
    return Document(detail::lezen(f.readAll(), QFileInfo(sjabloon).fileName()));
}

Document Document::Open(const QString& pad)
{
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        throw WordFout(QStringLiteral("Het document %1 kan niet gelezen worden.").arg(pad).toStdString());
    return Document(detail::lezen(f.readAll(), QFileInfo(pad).fileName()));
}

Document Document::uitBytes(const QByteArray& bytes)
{
    return Document(detail::lezen(bytes, QStringLiteral("document")));
}

Selectie& Document::Selection()
{
    return *m_model->selectie;
}

Bladwijzer Document::Bookmarks(const QString& naam)
{
    if (!heeftBladwijzer(naam))
        throw WordFout(QStringLiteral("Het document heeft geen bladwijzer \"%1\".").arg(naam).toStdString());
    return Bladwijzer(m_model, naam);
}

bool Document::heeftBladwijzer(const QString& naam) const
{
    Plaats begin, einde;
    return bladwijzerZoeken(*m_model, naam, begin, einde);
}

Tabel Document::Tables(int nummer)
{
    const QList<detail::Tabel*> lijst = m_model->tabellen();
    if (nummer < 1 || nummer > lijst.size())
        throw WordFout(QStringLiteral("Het document heeft geen tabel %1.").arg(nummer).toStdString());
    return Tabel(m_model, lijst[nummer - 1], nummer);
}

int Document::TablesCount() const
{
    return static_cast<int>(m_model->tabellen().size());
}

Bereik Document::Range(int begin, int einde)
{
    const Model& m = *m_model;
    const Plaats b = m.plaatsBij(begin);
    Plaats e = b;
    if (einde > begin) {
        // The end is the place after the character before it: the end of a cell is its last paragraph's end.
        e = m.plaatsBij(einde - 1);
        e.teken = std::min(e.teken + 1, e.alinea->lengte());
    }
    detail::Cel* cb = b.alinea ? b.alinea->cel : nullptr;
    detail::Cel* ce = e.alinea ? e.alinea->cel : nullptr;
    if (cb && ce && cb != ce && cb->rij->tabel == ce->rij->tabel) {
        const auto [r1, c1] = Model::celPlaats(cb);
        const auto [r2, c2] = Model::celPlaats(ce);
        return Bereik(m_model, cb->rij->tabel, std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2));
    }
    return Bereik(m_model, b, e);
}

Bereik Document::Content()
{
    const QList<Alinea*> alle = m_model->alleAlineas();
    return Bereik(m_model, Plaats{alle.first(), 0}, Plaats{alle.last(), alle.last()->lengte()});
}

QByteArray Document::docx() const
{
    return detail::schrijven(*m_model);
}

void Document::SaveAs(const QString& pad)
{
    QString fout;
    if (!bestand::bestandSchrijven(pad, docx(), &fout))
        throw WordFout(fout.toStdString());
}

} // namespace word
