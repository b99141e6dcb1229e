#include "ui/Opschriften.h"

#include "ui/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>
#include <QWidget>

namespace ui {

namespace {

// Narrower renderings tried in turn, as QFont stretch factors; the narrowest still reads.
constexpr int Rekken[] = {95, 90, 85, 80, 75, 70, 65, 60, 55, 50};

std::function<void(const GetekendOpschrift&)>& waarnemer()
{
    static std::function<void(const GetekendOpschrift&)> w;
    return w;
}

} // namespace

Opschriftschikking opschriftSchikken(const QFont& lettertype, const QRect& vak, int vlaggen, const QString& tekst,
                                     const QRect& zichtbaar)
{
    // The text must keep within the rectangle's width; in height it may use what the control shows
    // around the rectangle (a button's bevel), as long as nothing of it is cut off.
    const QRect hoogte = zichtbaar.isValid() ? vak.united(zichtbaar) : vak;
    const auto binnen = [&](const QRect& t) {
        return t.width() <= vak.width() && t.top() >= hoogte.top() && t.bottom() <= hoogte.bottom();
    };
    const QFontMetrics maat(lettertype);
    const QRect gewoon = maat.boundingRect(vak, vlaggen, tekst);
    if (binnen(gewoon))
        return {vlaggen, 0, true};
    // Taller than the control on one line: no rendering of the same font is lower.
    if (gewoon.width() <= vak.width())
        return {vlaggen, 0, false};

    const bool omslaan
        = !(vlaggen & (Qt::TextWordWrap | Qt::TextSingleLine)) && hoogte.height() >= 2 * maat.lineSpacing();
    const int gewikkeld = vlaggen | Qt::TextWordWrap;
    if (omslaan && binnen(maat.boundingRect(vak, gewikkeld, tekst)))
        return {gewikkeld, 0, true};

    Opschriftschikking smalste{omslaan ? gewikkeld : vlaggen, 0, false};
    for (const int rek : Rekken) {
        QFont smal = lettertype;
        smal.setStretch(rek);
        const QFontMetrics smalleMaat(smal);
        const QRect eenRegel = smalleMaat.boundingRect(vak, vlaggen, tekst);
        // A stretch is relative to the normal width; a font that is condensed already gets
        // wider at the first steps.
        if (eenRegel.width() >= gewoon.width())
            continue;
        smalste.rek = rek;
        if (binnen(eenRegel))
            return {vlaggen, rek, true};
        if (omslaan && binnen(smalleMaat.boundingRect(vak, gewikkeld, tekst)))
            return {gewikkeld, rek, true};
    }
    return smalste;
}

Vormgeving::Vormgeving()
    : QProxyStyle()
{
}

void Vormgeving::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal, bool enabled,
                              const QString& text, QPalette::ColorRole textRole) const
{
    if (!painter || text.isEmpty()) {
        QProxyStyle::drawItemText(painter, rect, flags, pal, enabled, text, textRole);
        return;
    }
    const Opschriftschikking schikking = opschriftSchikken(painter->font(), rect, flags, text, painter->window());
    if (waarnemer())
        waarnemer()({dynamic_cast<const QWidget*>(painter->device()), text, rect, schikking});
    if (schikking.rek == 0) {
        QProxyStyle::drawItemText(painter, rect, schikking.vlaggen, pal, enabled, text, textRole);
        return;
    }
    painter->save();
    QFont smal = painter->font();
    smal.setStretch(schikking.rek);
    painter->setFont(smal);
    QProxyStyle::drawItemText(painter, rect, schikking.vlaggen, pal, enabled, text, textRole);
    painter->restore();
}

void vormgevingInstellen()
{
    QApplication::setStyle(new Vormgeving);
    QApplication::setFont(ontwerpLettertype());
}

QString gegevensOpschrift(const QString& tekst)
{
    QString opschrift = tekst;
    return opschrift.replace(u'&', QStringLiteral("&&"));
}

QString getoondeTekst(const QString& opschrift)
{
    QString tekst;
    tekst.reserve(opschrift.size());
    for (qsizetype i = 0; i < opschrift.size(); ++i) {
        // An "&" is not shown: it marks the next character, which is shown, "&" included.
        if (opschrift[i] == u'&' && ++i == opschrift.size())
            break;
        tekst += opschrift[i];
    }
    return tekst;
}

void zetGegevensTekst(QAbstractButton* knop, const QString& tekst)
{
    knop->setText(gegevensOpschrift(tekst));
}

void zetGegevensTitel(QGroupBox* kader, const QString& tekst)
{
    kader->setTitle(gegevensOpschrift(tekst));
}

QString gegevensTekst(const QAbstractButton* knop)
{
    return getoondeTekst(knop->text());
}

void zetOpschriftWaarnemer(std::function<void(const GetekendOpschrift&)> w)
{
    waarnemer() = std::move(w);
}

} // namespace ui
