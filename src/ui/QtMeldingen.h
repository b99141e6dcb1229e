#pragma once

#include "ui/Meldingen.h"

namespace ui {

/**
 * The real message boxes and dialogs, built on QMessageBox and QFileDialog. Every box is modal to the
 * window the user works in (gebruikersvenster()) and shows its title and text exactly as given (always
 * as plain text). A message box takes no key pressed in its first moment (about a third of a second):
 * such a key was typed before the box could be seen.
 */
class QtMeldingen : public Meldingen
{
public:
    void kritiek(const QString& titel, const QString& tekst) override;
    void waarschuwing(const QString& titel, const QString& tekst) override;
    void informatie(const QString& titel, const QString& tekst) override;
    bool vraagJaNee(const QString& titel, const QString& tekst) override;
    bool vraagNeeJa(const QString& titel, const QString& tekst) override;
    QString kiesMap(const QString& titel, const QString& standaard) override;
    QString kiesBestand(const QString& titel, const QString& map, const QString& filter) override;
};

} // namespace ui
