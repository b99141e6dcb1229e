#include "BladOpbouw.h"

#include "core/Wedstrijdblad.h"
#include "ui/Twips.h"
#include "ui/Toepassing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>

namespace sheet {

namespace {

const char* const TwipsEigenschap = "twipsGeometrie";

// A check box whose caption wraps over several lines inside the box's own width. The caption
// stays the box's text, so code reads it as with any check box.
class OmloopVakje : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QStyleOptionButton optie;
        initStyleOption(&optie);
        optie.text.clear();
        const QRect vakje = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &optie, this);
        QStyleOptionButton indicator = optie;
        indicator.rect = QRect(vakje.left(), 1, vakje.width(), vakje.height());
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &indicator, &p, this);
        const int tekstLinks = vakje.right() + 4;
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(QRect(tekstLinks, 0, width() - tekstLinks, height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   text());
    }
    bool hitButton(const QPoint& punt) const override { return rect().contains(punt); }
};

// Sizes in pixels: the sheet is laid out in twips at 15 a pixel, so its text must not grow with
// the screen's font settings either.
constexpr int GewoneGrootte = 11; // 8 points at 96 dpi
constexpr int KleineGrootte = 9;

QFont lettertype(const QStringList& families, int pixels, QFont::Weight gewicht = QFont::Normal)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixels);
    f.setWeight(gewicht);
    return f;
}

// The sheet's own text: the narrow system fonts of the sheet's design first.
QStringList gewoonSchrift()
{
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
            QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("sans-serif")};
}

QStringList arial()
{
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
            QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")};
}

QStringList arialNarrow()
{
    return {QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
            QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("sans-serif")};
}

QStringList arialBlack()
{
    return {QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
            QStringLiteral("sans-serif")};
}

template <class W>
W* benoemen(W* w, const QString& naam)
{
    w->setObjectName(naam);
    return w;
}

QString element(const char* naam, int i)
{
    return QStringLiteral("%1_%2").arg(QLatin1StringView(naam)).arg(i);
}

QGroupBox* kader(QWidget* ouder, const QString& naam, const QString& opschrift, int l, int t, int b, int h)
{
    auto* k = benoemen(new QGroupBox(opschrift, ouder), naam);
    plaatsen(k, l, t, b, h);
    return k;
}

QLabel* label(QWidget* ouder, const QString& naam, const QString& opschrift, int l, int t, int b, int h)
{
    auto* w = benoemen(new QLabel(opschrift, ouder), naam);
    plaatsen(w, l, t, b, h);
    return w;
}

QPushButton* knop(QWidget* ouder, const QString& naam, const QString& opschrift, int l, int t, int b, int h)
{
    auto* w = benoemen(new QPushButton(opschrift, ouder), naam);
    plaatsen(w, l, t, b, h);
    return w;
}

QLineEdit* tekstvak(QWidget* ouder, const QString& naam, int l, int t, int b, int h)
{
    auto* w = benoemen(new QLineEdit(ouder), naam);
    plaatsen(w, l, t, b, h);
    return w;
}

QCheckBox* vakje(QWidget* ouder, const QString& naam, const QString& opschrift, int l, int t, int b, int h)
{
    auto* w = benoemen(new QCheckBox(opschrift, ouder), naam);
    plaatsen(w, l, t, b, h);
    return w;
}

QRadioButton* optie(QWidget* ouder, const QString& naam, const QString& opschrift, int l, int t, int b, int h)
{
    auto* w = benoemen(new QRadioButton(opschrift, ouder), naam);
    // Code must be able to clear every option of a group, which Qt's own exclusivity forbids.
    w->setAutoExclusive(false);
    plaatsen(w, l, t, b, h);
    return w;
}

// One of a group of options at most: choosing one clears the others; clicking the chosen one
// keeps it chosen, as with exclusive option buttons. Code may still clear them all.
void eenUitGroep(const QList<QRadioButton*>& groep)
{
    for (QRadioButton* o : groep) {
        ui::verbinden(o, &QRadioButton::toggled, o, [o, groep](bool aan) {
            if (!aan)
                return;
            for (QRadioButton* ander : groep)
                if (ander != o)
                    ander->setChecked(false);
        });
        ui::verbinden(o, &QRadioButton::clicked, o, [o](bool aan) {
            if (!aan)
                o->setChecked(true);
        });
    }
}

void algemeneGegevens(QGroupBox* ouder, core::Wedstrijdblad& b)
{
    b.FraAlgGegevens = ouder;

    b.FraLokaal = kader(ouder, QStringLiteral("FraLokaal"), QString(), 120, 120, 3855, 1095);
    QWidget* lokaal = b.FraLokaal;
    QLabel* labLokaal = label(lokaal, QStringLiteral("LabLokaal"), QStringLiteral("LOKAAL"), 60, 150, 735, 195);
    QFont vet = labLokaal->font();
    vet.setBold(true);
    labLokaal->setFont(vet);
    label(lokaal, QStringLiteral("LabNaam"), QStringLiteral("Naam:"), 810, 150, 495, 195);
    label(lokaal, QStringLiteral("LabStraat"), QStringLiteral("Str., Nr.:"), 120, 480, 1155, 195);
    label(lokaal, QStringLiteral("LabPlaats"), QStringLiteral("Plaats:"), 120, 780, 1155, 195);
    b.LstNaamLokaal = benoemen(new QComboBox(lokaal), QStringLiteral("LstNaamLokaal"));
    b.LstNaamLokaal->setEditable(false);
    plaatsen(b.LstNaamLokaal, 1320, 120, 2415, 315);
    b.TxtStraat = tekstvak(lokaal, QStringLiteral("TxtStraat"), 1320, 450, 2415, 285);
    b.TxtPlaats = tekstvak(lokaal, QStringLiteral("TxtPlaats"), 1320, 750, 2415, 285);

    b.OptHeren = optie(ouder, QStringLiteral("OptHeren"), QStringLiteral("Interclub heren"), 4200, 480, 1575, 255);
    b.OptDames = optie(ouder, QStringLiteral("OptDames"), QStringLiteral("Interclub dames"), 4200, 720, 1575, 255);
    b.OptJeugd = optie(ouder, QStringLiteral("OptJeugd"), QStringLiteral("Interclub jeugd"), 4200, 960, 1575, 255);
    b.OptSuper = optie(ouder, QStringLiteral("OptSuper"), QStringLiteral("Super afdeling"), 5880, 480, 1455, 255);
    b.OptBekerHeren = optie(ouder, QStringLiteral("OptBekerHeren"), QStringLiteral("Beker heren"), 5880, 720, 1455, 255);
    b.OptBekerDames = optie(ouder, QStringLiteral("OptBekerDames"), QStringLiteral("Beker dames"), 5880, 960, 1455, 255);
    eenUitGroep({b.OptHeren, b.OptDames, b.OptJeugd, b.OptSuper, b.OptBekerHeren, b.OptBekerDames});

    b.Frame1 = kader(ouder, QStringLiteral("Frame1"), QString(), 7320, 120, 3975, 1095);
    QWidget* f = b.Frame1;
    QFont kopjes = f->font();
    kopjes.setPixelSize(KleineGrootte + 1);
    label(f, QStringLiteral("LabDatum"), QStringLiteral("Datum"), 60, 195, 900, 195);
    b.TxtDatum = label(f, QStringLiteral("TxtDatum"), QString(), 1080, 165, 975, 255);
    label(f, QStringLiteral("LabMatchNr"), QStringLiteral("Match Nr"), 2085, 195, 675, 195);
    b.TxtMatchNr = label(f, QStringLiteral("TxtMatchNr"), QString(), 2775, 165, 1095, 255);
    label(f, QStringLiteral("LabAfdeling"), QStringLiteral("Afdeling"), 30, 510, 555, 195);
    b.TxtAfdeling = label(f, QStringLiteral("TxtAfdeling"), QString(), 600, 480, 1335, 255);
    label(f, QStringLiteral("LabReeks"), QStringLiteral("Reeks"), 2085, 510, 555, 195);
    b.TxtReeks = label(f, QStringLiteral("TxtReeks"), QString(), 2655, 480, 1215, 255);
    label(f, QStringLiteral("LabBeginuur"), QStringLiteral("Aanvangsuur"), 30, 810, 1395, 195);
    b.TxtBeginuur = label(f, QStringLiteral("TxtBeginuur"), QString(), 1440, 780, 555, 255);
    label(f, QStringLiteral("LabEindUur"), QStringLiteral("Einde Match"), 2010, 780, 975, 255);
    b.TxtEinduur = tekstvak(f, QStringLiteral("TxtEinduur"), 3000, 720, 855, 285);
    for (const char* kopje : {"LabDatum", "LabMatchNr", "LabAfdeling", "LabReeks", "LabBeginuur", "LabEindUur"})
        f->findChild<QLabel*>(QLatin1StringView(kopje))->setFont(kopjes);
    for (QLabel* waarde : {b.TxtDatum, b.TxtMatchNr, b.TxtAfdeling, b.TxtReeks, b.TxtBeginuur}) {
        QFont v = waarde->font();
        v.setBold(true);
        waarde->setFont(v);
    }
}

// One team's frame. Home controls carry T, visitors U.
void ploeg(QGroupBox* k, core::Wedstrijdblad& b, bool thuis)
{
    const QString t = thuis ? QStringLiteral("T") : QStringLiteral("U");
    auto naam = [&t](const char* voor, const char* na) { return QLatin1StringView(voor) + t + QLatin1StringView(na); };
    auto rijnaam = [&naam](const char* voor, const char* na, int i) { return QStringLiteral("%1_%2").arg(naam(voor, na)).arg(i); };

    QList<QLabel*>& nrSpeler = thuis ? b.LabTNrSpeler : b.LabUNrSpeler;
    QList<QLabel*>& naamSpeler = thuis ? b.LabTNaamSpeler : b.LabUNaamSpeler;
    QList<QPushButton*>& compNr = thuis ? b.CmdCompNrT : b.CmdCompNrU;
    QList<QLabel*>& volgnr = thuis ? b.LabTVolgnr : b.LabUVolgnr;
    QList<QLabel*>& index = thuis ? b.LabTIndex : b.LabUIndex;
    QList<QLabel*>& klas = thuis ? b.LabTKlas : b.LabUKlas;
    QList<QLabel*>& indOverw = thuis ? b.LabTIndOverw : b.LabUIndOverw;
    QList<QRadioButton*>& kapitein = thuis ? b.OptTKapitein : b.OptUKapitein;

    // The team, its line-up number and the forfeit box above the player rows.
    label(k, naam("Lab", "Ploegtitel"), QStringLiteral("Ploeg:"), 90, 240, 495, 195);
    QLabel*& txtPloeg = thuis ? b.TxtTPloeg : b.TxtUPloeg;
    txtPloeg = label(k, naam("Txt", "Ploeg"), QString(), 600, 240, 2055, 195);
    label(k, naam("Lab", "Aanwtitel"), QStringLiteral("Aanwijzingsnr:"), 90, 480, 1110, 195);
    QLabel*& txtAanw = thuis ? b.TxtTAanw : b.TxtUAanw;
    txtAanw = label(k, naam("Txt", "Aanw"), QString(), 1215, 480, 900, 195);
    QCheckBox*& forfait = thuis ? b.ChkForfaitT : b.ChkForfaitUit;
    forfait = vakje(k, thuis ? QStringLiteral("ChkForfaitT") : QStringLiteral("ChkForfaitUit"), QStringLiteral("FF"),
                    2160, 450, 540, 255);
    for (QLabel* w : {txtPloeg, txtAanw}) {
        QFont v = w->font();
        v.setBold(true);
        w->setFont(v);
    }

    // Column headings, two short lines each.
    struct Kop
    {
        const char* naam;
        const char* opschrift;
        int links;
        int breedte;
    };
    const Kop koppen[] = {{"TitelCompnr", "comp nr", 2720, 615}, {"TitelVolgnr", "volg nr", 3325, 345},
                          {"TitelIndex", "in- dex", 3685, 345},  {"TitelKlas", "klas sem", 4035, 345},
                          {"TitelIndOverw", "ind over", 4395, 390}, {"TitelKapitein", "kapi tein", 4800, 345}};
    QFont klein = k->font();
    klein.setPixelSize(KleineGrootte);
    for (const Kop& kop : koppen) {
        QLabel* w = label(k, naam("Lab", kop.naam), QString::fromLatin1(kop.opschrift), kop.links, 240, kop.breedte, 435);
        w->setWordWrap(true);
        w->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        w->setFont(klein);
    }

    QPushButton*& cmdKapitein = thuis ? b.CmdTKapitein : b.CmdUKapitein;
    cmdKapitein = knop(k, naam("Cmd", "Kapitein"), QStringLiteral("K"), 4820, 720, 255, 795);
    cmdKapitein->hide();

    const char* const nummersT[] = {"1-A", "2-B", "3-C", "4", "Dubbel"};
    const char* const nummersU[] = {"1-X", "2-Y", "3-Z", "4", "Dubbel"};
    const int naamBreedte = thuis ? 2355 : 2295;
    for (int r = 0; r < core::Wedstrijdblad::AantalSpelerRijen; ++r) {
        const bool dubbel = r == 4;
        const int boven = dubbel ? 1500 : 720 + 260 * r;
        nrSpeler.append(label(k, rijnaam("Lab", "NrSpeler", r), QString::fromLatin1(thuis ? nummersT[r] : nummersU[r]),
                              90, boven, dubbel ? 615 : 255, 195));
        naamSpeler.append(label(k, rijnaam("Lab", "NaamSpeler", r), QString(), dubbel ? 730 : 390, boven,
                                dubbel ? 3860 : naamBreedte, 195));
        compNr.append(knop(k, thuis ? element("CmdCompNrT", r) : element("CmdCompNrU", r),
                           dubbel ? QStringLiteral("Dubb.") : QString(), dubbel ? 4620 : 2720, boven, dubbel ? 495 : 615,
                           210));
        if (dubbel) {
            nrSpeler.last()->hide();
            naamSpeler.last()->hide();
            compNr.last()->hide();
            break;
        }
        volgnr.append(label(k, rijnaam("Lab", "Volgnr", r), QString(), 3325, boven, 345, 195));
        index.append(label(k, rijnaam("Lab", "Index", r), QString(), 3685, boven, 345, 195));
        klas.append(label(k, rijnaam("Lab", "Klas", r), QString(), 4035, boven, 345, 195));
        indOverw.append(label(k, rijnaam("Lab", "IndOverw", r), QString(), 4395, boven, 345, 195));
        kapitein.append(optie(k, rijnaam("Opt", "Kapitein", r), QString(), 4820, boven, 255, 195));
        for (QLabel* w : {volgnr.last(), index.last(), klas.last(), indOverw.last()})
            w->setAlignment(Qt::AlignCenter);
    }
    eenUitGroep(kapitein);
}

void uitslagen(QGroupBox* k, core::Wedstrijdblad& b)
{
    QFont vet = k->font();
    vet.setBold(true);
    struct Kop
    {
        const char* opschrift;
        int links, boven, breedte;
    };
    const Kop koppen[] = {{"", 120, 90, 3000},
                          {"Behaalde Punten", 3315, 90, 1395},
                          {"VOLGORDE DER WEDSTRIJDEN", 30, 285, 3270},
                          {"Sets", 3315, 300, 680},
                          {"Wedstr.", 3995, 300, 680}};
    for (int i = 0; i < 5; ++i) {
        const Kop& kop = koppen[i];
        QLabel* w = label(k, element("Titel", i), QString::fromUtf8(kop.opschrift), kop.links, kop.boven, kop.breedte, 195);
        w->setAlignment(Qt::AlignCenter);
        w->setFont(vet);
        b.Titel.append(w);
    }

    const QFont smal = lettertype(arialNarrow(), GewoneGrootte);
    const QFont gewoon = lettertype(arial(), GewoneGrootte);
    const int thuisVolgorde[] = {4, 3, 2, 1};
    const int uitVolgorde[] = {2, 1, 4, 3, 1, 2, 3, 4, 3, 4, 1, 2, 4, 3, 2, 1};
    QList<QLineEdit*>* sets[] = {&b.TxtSet1T, &b.TxtSet1U, &b.TxtSet2T, &b.TxtSet2U, &b.TxtSet3T,
                                 &b.TxtSet3U, &b.TxtSet4T, &b.TxtSet4U, &b.TxtSet5T, &b.TxtSet5U};
    const char* const setNamen[] = {"TxtSet1T", "TxtSet1U", "TxtSet2T", "TxtSet2U", "TxtSet3T",
                                    "TxtSet3U", "TxtSet4T", "TxtSet4U", "TxtSet5T", "TxtSet5U"};
    struct Totaal
    {
        QList<QLineEdit*>* lijst;
        const char* naam;
        int links;
    };
    const Totaal totalen[] = {{&b.TxtSetsThuis, "TxtSetsThuis", 3315},
                              {&b.TxtSetsUit, "TxtSetsUit", 3655},
                              {&b.TxtWedstrThuis, "TxtWedstrThuis", 3995},
                              {&b.TxtWedstrUit, "TxtWedstrUit", 4335}};

    // Made row by row, left to right, which is also the order of the Tab key.
    for (int i = 0; i < core::Wedstrijdblad::AantalWedstrijden; ++i) {
        const int labelBoven = 520 + 240 * i;
        const int vakBoven = 480 + 240 * i;
        b.LabNrW.append(label(k, element("LabNrW", i), QString::number(i + 1), 30, labelBoven, 255, 195));
        b.LabThuisspeler.append(label(k, element("LabThuisspeler", i), QString::number(thuisVolgorde[i % 4]), 270,
                                      labelBoven, 255, 195));
        b.LabUitspeler.append(
            label(k, element("LabUitspeler", i), QString::number(uitVolgorde[i]), 510, labelBoven, 255, 195));
        for (QLabel* w : {b.LabNrW.last(), b.LabThuisspeler.last(), b.LabUitspeler.last()})
            w->setAlignment(Qt::AlignCenter);
        for (int s = 0; s < 10; ++s) {
            QLineEdit* vak = tekstvak(k, element(setNamen[s], i), 765 + 255 * s, vakBoven, 255, 315);
            vak->setFont(smal);
            vak->setTextMargins(0, 0, 0, 0);
            vak->setAlignment(Qt::AlignCenter);
            sets[s]->append(vak);
        }
        for (const Totaal& t : totalen) {
            QLineEdit* vak = tekstvak(k, element(t.naam, i), t.links, vakBoven, 340, 315);
            vak->setFont(gewoon);
            vak->setTextMargins(0, 0, 0, 0);
            vak->setAlignment(Qt::AlignCenter);
            vak->setReadOnly(true);
            vak->setFocusPolicy(Qt::NoFocus);
            t.lijst->append(vak);
        }
    }
}

} // namespace

void plaatsen(QWidget* w, int left, int top, int width, int height)
{
    if (!w)
        return;
    w->setProperty(TwipsEigenschap, QRect(left, top, width, height));
    ui::zetGeometrie(w, left, top, width, height);
}

QRect twipsGeometrie(const QWidget* w)
{
    const QVariant v = w->property(TwipsEigenschap);
    if (v.isValid())
        return v.toRect();
    const QRect g = w->geometry();
    return QRect(g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15);
}

void zetBoven(QWidget* w, int top)
{
    const QRect g = twipsGeometrie(w);
    plaatsen(w, g.x(), top, g.width(), g.height());
}

void zetBreedte(QWidget* w, int width)
{
    const QRect g = twipsGeometrie(w);
    plaatsen(w, g.x(), g.y(), width, g.height());
}

void bladBouwen(QWidget* werkvlak, core::Wedstrijdblad& b)
{
    auto* blad = kader(werkvlak, QStringLiteral("FraWedstrijdblad"), QStringLiteral("Wedstrijdblad"), 120, 1920, 11655,
                       6045);
    b.FraWedstrijdblad = blad;
    blad->setFont(lettertype(gewoonSchrift(), GewoneGrootte));

    algemeneGegevens(kader(blad, QStringLiteral("FraAlgGegevens"), QString(), 120, 180, 11415, 1335), b);

    b.FraBezochten = kader(blad, QStringLiteral("FraBezochten"), QStringLiteral("BEZOCHTEN"), 120, 1560, 5175, 1845);
    ploeg(b.FraBezochten, b, true);
    b.FraBezoekers = kader(blad, QStringLiteral("FraBezoekers"), QStringLiteral("BEZOEKERS"), 120, 3440, 5175, 1850);
    ploeg(b.FraBezoekers, b, false);

    // Two pixels taller than designed: the boxes of the last game row reach 15 twips below the designed
    // frame, which would cut off their bottom edge and the frame's own.
    b.FraUitslagen = kader(blad, QStringLiteral("FraUitslagen"), QString(), 5400, 1510, 4730, 4410);
    uitslagen(b.FraUitslagen, b);

    b.ChkAkkoord = benoemen(
        new OmloopVakje(QStringLiteral("Akkoord om de wedstrijden twee aan twee te spelen (Art.6.32)"), blad),
        QStringLiteral("ChkAkkoord"));
    plaatsen(b.ChkAkkoord, 10200, 1605, 1420, 855);
    QFont klein = b.ChkAkkoord->font();
    klein.setPixelSize(KleineGrootte + 1);
    b.ChkAkkoord->setFont(klein);

    b.FraHoofdscheidsrechter =
        kader(blad, QStringLiteral("FraHoofdscheidsrechter"), QStringLiteral("Hoofdscheidsr."), 10200, 2925, 1335, 735);
    b.CmdCompNrHoofdscheidsrechter =
        knop(b.FraHoofdscheidsrechter, QStringLiteral("CmdCompNrHoofdscheidsrechter"), QString(), 120, 280, 1095, 330);
    b.FraZaalcommissaris =
        kader(blad, QStringLiteral("FraZaalcommissaris"), QStringLiteral("Zaalcommissaris"), 10200, 3690, 1335, 735);
    b.CmdCompNrZaalcommissaris =
        knop(b.FraZaalcommissaris, QStringLiteral("CmdCompNrZaalcommissaris"), QString(), 120, 280, 1095, 330);

    const QFont uitslag = lettertype(arialBlack(), 27, QFont::Black);
    b.TxtResT = tekstvak(blad, QStringLiteral("TxtResT"), 10150, 4545, 700, 690);
    b.TxtResU = tekstvak(blad, QStringLiteral("TxtResU"), 10870, 4545, 700, 690);
    for (QLineEdit* res : {b.TxtResT, b.TxtResU}) {
        res->setFont(uitslag);
        res->setAlignment(Qt::AlignCenter);
        res->setTextMargins(0, 0, 0, 0);
        res->setReadOnly(true);
        res->setFocusPolicy(Qt::NoFocus);
    }

    b.CmdVoorbehoudT = knop(blad, QStringLiteral("CmdVoorbehoudT"), QStringLiteral("Voorbehoud &Thuisploeg"), 120, 5320,
                            3135, 300);
    b.CmdVoorbehoudU = knop(blad, QStringLiteral("CmdVoorbehoudU"), QStringLiteral("Voorbeho&ud Bezoekers"), 3360, 5325,
                            1935, 300);
    b.CmdVoorbehoudO = knop(blad, QStringLiteral("CmdVoorbehoudO"),
                            QStringLiteral("Opmerking Officiële &Scheidsrechter"), 120, 5640, 3135, 300);
}

} // namespace sheet
