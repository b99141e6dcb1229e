#pragma once

// The results of the own club's provincial home matches of one play week, one value per line, for
// the interclub leader. No menu item writes it; the main window can offer it as a command.

#include <QString>
#include <QStringList>

namespace exchange {

/** What the week file became. */
struct Weekverslag
{
    QString pad;             ///< the file written: the folder, the club number, "-", the week and ".ttr"
    int geschreven = 0;      ///< matches written
    QStringList onvolledig;  ///< one line per home match left out because its sheet is not complete
    QStringList nietGemaakt; ///< one line per home match whose division is not in Reeksen
};

/**
 * Writes the week file of the play date: per complete provincial home match of the club in the
 * play week (the date's WeekNrP, then its WeekNrQ) its number, forfeits, line-ups with absences and
 * game markers. The file is written under a temporary name and replaces an older one only when complete.
 * @param map the folder, ending in a separator
 * @throw core::ActieFout when the play date has no provincial week number or the file cannot be written
 */
Weekverslag WeekResultatenSchrijven(const QString& datum, const QString& seizoen, const QString& clubNr,
                                    const QString& map);

/** The closing message of the week file. */
QString WeekMelding(const Weekverslag& verslag, const QString& datum);

/**
 * The command of the main window: the week file of the play date it shows, into the import/export
 * folder of the options, with its message; the play-date list is refreshed afterwards.
 */
void WeekResultatenExporteren();

} // namespace exchange
