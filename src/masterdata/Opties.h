#pragma once

// The options window: the import/export folder, the own province and club, the view of the match
// list, strict line-up checks, the doubles of teams of two, the width of a member number, the
// committee, the currency and the administrator password.

#include "masterdata/OptieBeheer.h"
#include "ui/StandaardInstantie.h"

#include <QHash>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Opties : public QWidget, public ui::StandaardInstantie<Opties>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<Opties>;

public:
    /** Loads the window when needed (reading the command word of the main window) and shows it. */
    void toon();
    bool isGeladen() const { return m_geladen; }

    QListWidget* LstOpties = nullptr;
    QLabel* LabOmschrijving = nullptr;
    QLineEdit* TxtWaarde = nullptr;
    QComboBox* CboWaarde = nullptr;
    QPushButton* CmdBladeren = nullptr;
    QPushButton* CmdSluiten = nullptr;

    /** The value the window holds for an option (what it stores when it closes). */
    QString waarde(const QString& soort) const { return m_waarden.value(soort); }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void LstOpties_Click();
    void TxtWaarde_LostFocus();
    void CboWaarde_Click();
    void CmdBladeren_Click();
    void CmdSluiten_Click();

private:
    Opties();
    void Form_Load();
    void Form_Unload();
    const masterdata::OptieRegel* gekozenRegel() const;
    void invoerTonen();
    /** The text the value box shows for the option's held value. */
    QString getoondeTekst(const masterdata::OptieRegel& regel) const;

    QHash<QString, QString> m_waarden;
    bool m_geladen = false;
    bool m_vullen = false;
};
