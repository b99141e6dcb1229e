#pragma once

#include "ui/Meldingen.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <optional>

namespace ui {

/**
 * Scripted boxes and dialogs for tests; no window appears.
 *
 * A test queues the answers it expects to give (verwachtJaNee, verwachtMap, verwachtBestand) and afterwards
 * reads everything that was shown from getoond(). Answers are used in the order they were queued, each kind
 * from its own queue.
 *
 * A question or dialog without a queued answer is a test fault: it is written down in onverwacht() and a
 * std::logic_error is thrown, so the code under test stops there instead of going on with a made-up answer.
 * An OK-only box (kritiek, waarschuwing, informatie) is expected with verwachtMelding, with its exact title
 * and text; one shown without that expectation, or with another title or text, is written down in
 * onverwacht() too (without an exception: the code goes on as after OK).
 *
 * Because an exception may be swallowed on its way out (a catch-all in the code under test, a Qt event
 * handler), tests should also check inOrde() at the end; that also catches answers that were queued but
 * never asked for.
 */
class TestMeldingen : public Meldingen
{
public:
    enum class Soort
    {
        Kritiek,
        Waarschuwing,
        Informatie,
        Vraag,
        VraagNee, ///< a question with Nee as its default button
        Map,
        Bestand
    };

    /** One box or dialog as it was shown. For Map, tekst is the default folder; for Bestand the start folder. */
    struct Melding
    {
        Soort soort;
        QString titel;
        QString tekst;

        bool operator==(const Melding&) const = default;
    };

    void kritiek(const QString& titel, const QString& tekst) override;
    void waarschuwing(const QString& titel, const QString& tekst) override;
    void informatie(const QString& titel, const QString& tekst) override;
    bool vraagJaNee(const QString& titel, const QString& tekst) override;
    bool vraagNeeJa(const QString& titel, const QString& tekst) override;
    QString kiesMap(const QString& titel, const QString& standaard) override;
    QString kiesBestand(const QString& titel, const QString& map, const QString& filter) override;

    /**
     * Queues the answer to the next Ja/Nee question.
     * @param ja true answers Ja, false Nee
     */
    void verwachtJaNee(bool ja);

    /**
     * Queues the folder the next folder dialog returns.
     * @param map the folder the user chooses
     */
    void verwachtMap(const QString& map);

    /**
     * Expects the next OK-only box: it must be of this kind, with exactly this title and text.
     * @param soort Kritiek, Waarschuwing or Informatie
     */
    void verwachtMelding(Soort soort, const QString& titel, const QString& tekst);

    /** Queues a cancelled folder dialog: it returns its default folder. */
    void verwachtMapAnnuleren();

    /**
     * Queues the file the next open-file dialog returns.
     * @param pad the chosen file; an empty text stands for cancel
     */
    void verwachtBestand(const QString& pad);

    /** @return every box and dialog shown so far, oldest first */
    const QList<Melding>& getoond() const { return m_getoond; }

    /**
     * @param soort the kind of box to look for
     * @return the boxes of that kind shown so far, oldest first
     */
    QList<Melding> getoond(Soort soort) const;

    /** @return a description of each question or dialog that was shown without a queued answer */
    const QStringList& onverwacht() const { return m_onverwacht; }

    /** @return the number of queued answers not used yet */
    qsizetype openstaand() const;

    /** @return true when nothing unexpected was shown and every queued answer was used */
    bool inOrde() const;

    /** @return a readable account of what went wrong (empty when inOrde()), for a failing check's message */
    QString verslag() const;

    /** Forgets everything: shown boxes, unexpected ones and queued answers. */
    void wis();

private:
    bool vraag(const Melding& melding);
    [[noreturn]] void onverwachtGetoond(const Melding& melding);
    void meldingGetoond(const Melding& melding);

    QList<Melding> m_getoond;
    QStringList m_onverwacht;
    QQueue<Melding> m_meldingen;
    QQueue<bool> m_jaNee;
    QQueue<std::optional<QString>> m_mappen;
    QQueue<QString> m_bestanden;
};

/** The name of a kind of box, as used in test output ("Kritiek", "Vraag", ...). */
QString soortNaam(TestMeldingen::Soort soort);

} // namespace ui
