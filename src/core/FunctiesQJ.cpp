#include "FunctiesQJ.h"

#include "core/Algemeen.h"

#include <climits>
#include <stdexcept>

namespace core {

namespace {

const char* const Eerste = " Eerste Jaar";
const char* const Tweede = " Tweede Jaar";
const char* const Derde = " Derde Jaar";
const char* const Vierde = " Vierde Jaar";

QString reeksTekst(const char* categorie, const char* jaar, int soort)
{
    QString tekst = QString::fromUtf8(categorie);
    if (soort != 0 && jaar)
        tekst += QString::fromUtf8(jaar);
    return tekst;
}

QDate geboorteDatumVan(const db::Waarde& geboorteDatum)
{
    const QDateTime datum = geboorteDatum.datum();
    if (!datum.isValid())
        throw std::invalid_argument("De geboortedatum '" + geboorteDatum.tekst().toStdString() + "' is geen datum.");
    return datum.date();
}

// A row of a rule on the birth date: born after (strikt) or on or after 1 January of the year
// referentiejaar - jaren.
struct Grens
{
    int jaren;
    bool strikt;
    const char* categorie;
    const char* jaar;
};

template<size_t N>
QString volgensGrenzen(const Grens (&grenzen)[N], const char* laatste, const QDate& geboren, int referentiejaar,
                       int soort)
{
    for (const Grens& g : grenzen) {
        const QDate grens(referentiejaar - g.jaren, 1, 1);
        if (g.strikt ? geboren > grens : geboren >= grens)
            return reeksTekst(g.categorie, g.jaar, soort);
    }
    return reeksTekst(laatste, nullptr, soort);
}

} // namespace

QString FunctiesQJ::LeeftijdsReeks(const db::Waarde& geboorteDatum, int soort) const
{
    if (geboorteDatum.isLeeg() || geboorteDatum.isNull()
        || (geboorteDatum.isTekst() && geboorteDatum.tekst().isEmpty()))
        return QStringLiteral("??");
    const int leeftijd = BeginDitSeizoen().year() - geboorteDatumVan(geboorteDatum).year();

    static const struct
    {
        int totEnMet;
        const char* categorie;
        const char* jaar;
    } reeksen[] = {
        {7, "Benjamin", Eerste},       {8, "Benjamin", Tweede},       {9, "Preminiem", Eerste},
        {10, "Preminiem", Tweede},     {11, "Miniem", Eerste},        {12, "Miniem", Tweede},
        {13, "Kadet", Eerste},         {14, "Kadet", Tweede},         {15, "Junior", Eerste},
        {16, "Junior", Tweede},        {17, "Junior", Derde},         {18, "-21", Eerste},
        {19, "-21", Tweede},           {20, "-21", Derde},            {21, "-21", Vierde},
        {39, "Senior", nullptr},       {49, "Veteraan + 40", nullptr}, {59, "Veteraan + 50", nullptr},
        {64, "Veteraan + 60", nullptr}, {69, "Veteraan + 65", nullptr}, {74, "Veteraan + 70", nullptr},
        {79, "Veteraan + 75", nullptr}, {INT_MAX, "Veteraan + 80", nullptr},
    };
    for (const auto& r : reeksen) {
        if (leeftijd <= r.totEnMet)
            return reeksTekst(r.categorie, r.jaar, soort);
    }
    return QString(); // not reached: the last row takes every age
}

QString FunctiesQJ::LR(const db::Waarde& geboorteDatum, [[maybe_unused]] const db::Waarde& ongebruikt) const
{
    static const Grens grenzen[] = {
        {9, true, "Benjamin", nullptr},       {11, false, "Preminiem", nullptr},
        {13, false, "Miniem", nullptr},       {15, false, "Kadet", nullptr},
        {18, false, "Junior", nullptr},       {22, false, "-21", nullptr},
        {40, false, "Senior", nullptr},       {50, false, "Veteraan + 40", nullptr},
        {60, false, "Veteraan + 50", nullptr}, {70, false, "Veteraan + 60", nullptr},
        {80, false, "Veteraan + 70", nullptr},
    };
    return volgensGrenzen(grenzen, "Veteraan + 80", geboorteDatumVan(geboorteDatum), vandaag().year(), 0);
}

QString FunctiesQJ::BeginNulToevoegen(QString& waarde, int breedte) const
{
    if (waarde.size() < breedte)
        waarde = QString(breedte - waarde.size(), u'0') + waarde;
    return waarde;
}

QString FunctiesQJ::BeginNulToevoegen(const db::Waarde& waarde, int breedte) const
{
    QString tekst = waarde.tekst();
    return BeginNulToevoegen(tekst, breedte);
}

QDate FunctiesQJ::BeginDitSeizoen() const
{
    return BeginSeizoen(vandaag());
}

QDate FunctiesQJ::BeginSeizoen(const QDate& datum) const
{
    return QDate(datum.month() < 7 ? datum.year() - 1 : datum.year(), 7, 1);
}

QDate FunctiesQJ::EindeDitSeizoen() const
{
    return EindeSeizoen(vandaag());
}

QDate FunctiesQJ::EindeSeizoen(const QDate& datum) const
{
    return QDate(datum.month() < 7 ? datum.year() : datum.year() + 1, 6, 30);
}

QString FunctiesQJ::LeeftijdsReeksOud(const db::Waarde& geboorteDatum, int soort) const
{
    static const Grens grenzen[] = {
        {8, true, "Benjamin", Eerste},         {9, false, "Benjamin", Tweede},
        {10, false, "Preminiem", Eerste},      {11, false, "Preminiem", Tweede},
        {12, false, "Miniem", Eerste},         {13, false, "Miniem", Tweede},
        {14, false, "Kadet", Eerste},          {15, false, "Kadet", Tweede},
        {16, false, "Junior", Eerste},         {17, false, "Junior", Tweede},
        {18, false, "Junior", Derde},          {19, false, "-21", Eerste},
        {20, false, "-21", Tweede},            {21, false, "-21", Derde},
        {22, false, "-21", Vierde},            {40, false, "Senior", nullptr},
        {50, false, "Veteraan + 40", nullptr}, {60, false, "Veteraan + 50", nullptr},
        {70, false, "Veteraan + 60", nullptr}, {75, false, "Veteraan + 65", nullptr},
        {80, false, "Veteraan + 70", nullptr}, {85, false, "Veteraan + 75", nullptr},
    };
    return volgensGrenzen(grenzen, "Veteraan + 80", geboorteDatumVan(geboorteDatum), EindeDitSeizoen().year(), soort);
}

FunctiesQJ& objFunctiesQJ()
{
    static FunctiesQJ instantie;
    return instantie;
}

} // namespace core
