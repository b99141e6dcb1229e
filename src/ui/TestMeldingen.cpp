#include "ui/TestMeldingen.h"

#include <stdexcept>

namespace ui {

QString soortNaam(TestMeldingen::Soort soort)
{
    switch (soort) {
    case TestMeldingen::Soort::Kritiek:
        return QStringLiteral("Kritiek");
    case TestMeldingen::Soort::Waarschuwing:
        return QStringLiteral("Waarschuwing");
    case TestMeldingen::Soort::Informatie:
        return QStringLiteral("Informatie");
    case TestMeldingen::Soort::Vraag:
        return QStringLiteral("Vraag");
    case TestMeldingen::Soort::VraagNee:
        return QStringLiteral("Vraag (Nee standaard)");
    case TestMeldingen::Soort::Map:
        return QStringLiteral("Map");
    case TestMeldingen::Soort::Bestand:
        return QStringLiteral("Bestand");
    }
    return QStringLiteral("?");
}

void TestMeldingen::meldingGetoond(const Melding& melding)
{
    m_getoond.append(melding);
    if (!m_meldingen.isEmpty() && m_meldingen.head() == melding) {
        m_meldingen.dequeue();
        return;
    }
    QString beschrijving = QStringLiteral("%1 \"%2\": \"%3\"").arg(soortNaam(melding.soort), melding.titel, melding.tekst);
    if (!m_meldingen.isEmpty()) {
        const Melding& verwacht = m_meldingen.head();
        beschrijving += QStringLiteral(" terwijl %1 \"%2\": \"%3\" verwacht werd")
                            .arg(soortNaam(verwacht.soort), verwacht.titel, verwacht.tekst);
    }
    m_onverwacht.append(beschrijving);
}

void TestMeldingen::kritiek(const QString& titel, const QString& tekst)
{
    meldingGetoond({Soort::Kritiek, titel, tekst});
}

void TestMeldingen::waarschuwing(const QString& titel, const QString& tekst)
{
    meldingGetoond({Soort::Waarschuwing, titel, tekst});
}

void TestMeldingen::informatie(const QString& titel, const QString& tekst)
{
    meldingGetoond({Soort::Informatie, titel, tekst});
}

void TestMeldingen::verwachtMelding(Soort soort, const QString& titel, const QString& tekst)
{
    m_meldingen.enqueue({soort, titel, tekst});
}

bool TestMeldingen::vraagJaNee(const QString& titel, const QString& tekst)
{
    return vraag({Soort::Vraag, titel, tekst});
}

bool TestMeldingen::vraagNeeJa(const QString& titel, const QString& tekst)
{
    return vraag({Soort::VraagNee, titel, tekst});
}

bool TestMeldingen::vraag(const Melding& melding)
{
    m_getoond.append(melding);
    if (m_jaNee.isEmpty())
        onverwachtGetoond(melding);
    return m_jaNee.dequeue();
}

QString TestMeldingen::kiesMap(const QString& titel, const QString& standaard)
{
    const Melding melding{Soort::Map, titel, standaard};
    m_getoond.append(melding);
    if (m_mappen.isEmpty())
        onverwachtGetoond(melding);
    const std::optional<QString> antwoord = m_mappen.dequeue();
    return antwoord ? *antwoord : standaard;
}

QString TestMeldingen::kiesBestand(const QString& titel, const QString& map, const QString& /*filter*/)
{
    const Melding melding{Soort::Bestand, titel, map};
    m_getoond.append(melding);
    if (m_bestanden.isEmpty())
        onverwachtGetoond(melding);
    return m_bestanden.dequeue();
}

void TestMeldingen::verwachtJaNee(bool ja)
{
    m_jaNee.enqueue(ja);
}

void TestMeldingen::verwachtMap(const QString& map)
{
    m_mappen.enqueue(map);
}

void TestMeldingen::verwachtMapAnnuleren()
{
    m_mappen.enqueue(std::nullopt);
}

void TestMeldingen::verwachtBestand(const QString& pad)
{
    m_bestanden.enqueue(pad);
}

QList<TestMeldingen::Melding> TestMeldingen::getoond(Soort soort) const
{
    QList<Melding> gevonden;
    for (const Melding& melding : m_getoond) {
        if (melding.soort == soort)
            gevonden.append(melding);
    }
    return gevonden;
}

qsizetype TestMeldingen::openstaand() const
{
    return m_meldingen.size() + m_jaNee.size() + m_mappen.size() + m_bestanden.size();
}

bool TestMeldingen::inOrde() const
{
    return m_onverwacht.isEmpty() && openstaand() == 0;
}

QString TestMeldingen::verslag() const
{
    QStringList regels;
    for (const QString& fout : m_onverwacht)
        regels.append(QStringLiteral("Onverwacht getoond: ") + fout);
    for (const Melding& m : m_meldingen)
        regels.append(QStringLiteral("Niet getoond: %1 \"%2\": \"%3\"").arg(soortNaam(m.soort), m.titel, m.tekst));
    if (!m_jaNee.isEmpty())
        regels.append(QStringLiteral("Niet gevraagd: %1 Ja/Nee-antwoord(en)").arg(m_jaNee.size()));
    if (!m_mappen.isEmpty())
        regels.append(QStringLiteral("Niet gevraagd: %1 map(pen)").arg(m_mappen.size()));
    if (!m_bestanden.isEmpty())
        regels.append(QStringLiteral("Niet gevraagd: %1 bestand(en)").arg(m_bestanden.size()));
    return regels.join(QLatin1Char('\n'));
}

void TestMeldingen::wis()
{
    m_getoond.clear();
    m_onverwacht.clear();
    m_meldingen.clear();
    m_jaNee.clear();
    m_mappen.clear();
    m_bestanden.clear();
}

void TestMeldingen::onverwachtGetoond(const Melding& melding)
{
    const QString beschrijving =
        QStringLiteral("%1 \"%2\": \"%3\" zonder verwacht antwoord").arg(soortNaam(melding.soort), melding.titel,
                                                                         melding.tekst);
    m_onverwacht.append(beschrijving);
    throw std::logic_error(beschrijving.toStdString());
}

} // namespace ui
