// The insertion point and its font: moves, typing and formatting.

#include "word/Model.h"


namespace word {

using detail::Alinea;
using detail::Model;
using detail::Plaats;

namespace {

Plaats begin(const Model& m)
{
    return m.voor(m.actief, m.anker) ? m.actief : m.anker;
}

Plaats einde(const Model& m)
{
    return m.voor(m.actief, m.anker) ? m.anker : m.actief;
}

bool ingeklapt(const Model& m)
{
    return m.anker.alinea == m.actief.alinea && m.anker.teken == m.actief.teken;
}

void naar(Model& m, const Plaats& p, int uitbreiden)
{
    m.actief = p;
    if (uitbreiden != wdExtend)
        m.anker = p;
    m.typOpmaak = m.opmaakBij(ingeklapt(m) ? p : begin(m));
}

Alinea* laatsteAlinea(const Model& m)
{
    const QList<Alinea*> alle = m.alleAlineas();
    return alle.isEmpty() ? nullptr : alle.last();
}

} // namespace

Selectie::Selectie(Model* model)
    : m_model(model)
    , m_font(model)
{
}

void Selectie::HomeKey(int eenheid, int uitbreiden)
{
    Model& m = *m_model;
    if (eenheid == wdStory) {
        naar(m, {m.eersteAlinea(), 0}, uitbreiden);
        return;
    }
    const Plaats van = uitbreiden == wdExtend ? m.actief : begin(m);
    naar(m, {van.alinea, 0}, uitbreiden);
}

void Selectie::EndKey(int eenheid, int uitbreiden)
{
    Model& m = *m_model;
    if (eenheid == wdStory) {
        Alinea* a = laatsteAlinea(m);
        naar(m, {a, a->lengte()}, uitbreiden);
        return;
    }
    const Plaats van = uitbreiden == wdExtend ? m.actief : einde(m);
    naar(m, {van.alinea, van.alinea->lengte()}, uitbreiden);
}

void Selectie::MoveDown(int eenheid, int aantal, int uitbreiden)
{
    Model& m = *m_model;
    const Plaats van = uitbreiden == wdExtend ? m.actief : begin(m);
    Alinea* a = van.alinea;
    for (int i = 0; i < aantal; ++i) {
        Alinea* volgende = m.volgendeRegel(a);
        if (!volgende)
            break;
        a = volgende;
    }
    if (a == van.alinea) {
        naar(m, van, uitbreiden);
        return;
    }
    const int teken = eenheid == wdParagraph ? 0 : std::min(van.teken, a->lengte());
    naar(m, {a, teken}, uitbreiden);
}

void Selectie::MoveRight(int eenheid, int aantal, int uitbreiden)
{
    Model& m = *m_model;
    if (eenheid == wdCell) {
        detail::Cel* cel = m.actief.alinea->cel;
        if (!cel)
            return;
        detail::Tabel* t = cel->rij->tabel;
        auto [r, c] = Model::celPlaats(cel);
        for (int i = 0; i < aantal; ++i) {
            if (c < static_cast<int>(t->rijen[static_cast<size_t>(r - 1)]->cellen.size())) {
                ++c;
            } else if (r < static_cast<int>(t->rijen.size())) {
                ++r;
                c = 1;
            }
        }
        detail::Cel* doel = Model::cel(t, r, c);
        Alinea* laatste = doel->alineas.back().get();
        m.anker = {doel->alineas.front().get(), 0};
        m.actief = {laatste, laatste->lengte()};
        m.typOpmaak = m.opmaakBij(m.anker);
        return;
    }
    Plaats p = m.actief;
    if (!ingeklapt(m) && uitbreiden != wdExtend) {
        p = einde(m);
        --aantal;
    }
    for (int i = 0; i < aantal; ++i) {
        if (p.teken < p.alinea->lengte()) {
            ++p.teken;
        } else if (Alinea* volgende = m.volgendeInVerhaal(p.alinea)) {
            p = {volgende, 0};
        }
    }
    naar(m, p, uitbreiden);
}

void Selectie::MoveLeft(int, int aantal, int uitbreiden)
{
    Model& m = *m_model;
    Plaats p = m.actief;
    if (!ingeklapt(m) && uitbreiden != wdExtend) {
        p = begin(m);
        --aantal;
    }
    for (int i = 0; i < aantal; ++i) {
        if (p.teken > 0) {
            --p.teken;
        } else if (Alinea* vorige = m.vorigeInVerhaal(p.alinea)) {
            p = {vorige, vorige->lengte()};
        }
    }
    naar(m, p, uitbreiden);
}

void Selectie::GoTo(int wat, int welke, int aantal, const QString& naam)
{
    Model& m = *m_model;
    if (wat == wdGoToBookmark) {
        // Bladwijzer::Select gives the message when the bookmark is missing.
        Bladwijzer(m.shared_from_this(), naam).Select();
        return;
    }
    if (wat != wdGoToTable || welke != wdGoToNext)
        throw WordFout("Deze sprong wordt niet ondersteund.");
    const int hier = m.positie(einde(m));
    int gevonden = 0;
    for (detail::Tabel* t : m.tabellen()) {
        Alinea* eerste = t->rijen.front()->cellen.front()->alineas.front().get();
        if (m.positie({eerste, 0}) > hier && ++gevonden == std::max(1, aantal)) {
            naar(m, {eerste, 0}, wdMove);
            return;
        }
    }
    throw WordFout("Het document heeft geen volgende tabel.");
}

void Selectie::TypeText(const QString& tekst)
{
    Model& m = *m_model;
    Plaats p = m.actief;
    if (!ingeklapt(m))
        p = m.verwijderen(begin(m), einde(m));
    const QStringList regels =
        detail::regelsVan(tekst);
    for (qsizetype i = 0; i < regels.size(); ++i) {
        if (i > 0)
            p = m.splitsen(p);
        p = m.invoegen(p, regels[i], m.typOpmaak);
    }
    m.anker = m.actief = p;
}

void Selectie::TypeParagraph()
{
    TypeText(QStringLiteral("\r"));
}

Bereik Selectie::Range() const
{
    return Bereik(m_model->shared_from_this(), begin(*m_model), einde(*m_model));
}

int Selectie::Start() const
{
    return m_model->positie(begin(*m_model));
}

int Selectie::End() const
{
    return m_model->positie(einde(*m_model));
}

// ---- Lettertype

Lettertype::Lettertype(Model* model)
    : m_model(model)
{
}

namespace {

void wijzigen(Model& m, const std::function<void(Opmaak&)>& w)
{
    w(m.typOpmaak.opmaak);
    if (!ingeklapt(m))
        m.opmaken(begin(m), einde(m), w);
}

} // namespace

void Lettertype::Name(const QString& naam)
{
    wijzigen(*m_model, [&](Opmaak& o) { o.naam = naam; });
}

QString Lettertype::Name() const
{
    return *m_model->effectief(m_model->typOpmaak.opmaak).naam;
}

void Lettertype::Size(double punten)
{
    wijzigen(*m_model, [&](Opmaak& o) { o.grootte = punten; });
}

double Lettertype::Size() const
{
    return *m_model->effectief(m_model->typOpmaak.opmaak).grootte;
}

void Lettertype::Bold(int aan)
{
    wijzigen(*m_model, [&](Opmaak& o) { o.vet = aan != 0; });
}

int Lettertype::Bold() const
{
    return *m_model->effectief(m_model->typOpmaak.opmaak).vet ? 1 : 0;
}

void Lettertype::Italic(int aan)
{
    wijzigen(*m_model, [&](Opmaak& o) { o.cursief = aan != 0; });
}

int Lettertype::Italic() const
{
    return *m_model->effectief(m_model->typOpmaak.opmaak).cursief ? 1 : 0;
}

void Lettertype::Underline(int soort)
{
    wijzigen(*m_model, [&](Opmaak& o) { o.onderstreept = soort == wdUnderlineNone ? wdUnderlineNone : wdUnderlineSingle; });
}

int Lettertype::Underline() const
{
    return *m_model->effectief(m_model->typOpmaak.opmaak).onderstreept;
}

void Lettertype::ColorIndex(int index)
{
    wijzigen(*m_model, [&](Opmaak& o) { o.kleur = index == wdBlack ? QStringLiteral("000000") : QStringLiteral("auto"); });
}

int Lettertype::ColorIndex() const
{
    const QString k = *m_model->effectief(m_model->typOpmaak.opmaak).kleur;
    return k == u"000000" ? wdBlack : wdAuto;
}

} // namespace word
