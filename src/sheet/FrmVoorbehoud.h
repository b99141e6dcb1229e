#pragma once

// The remarks window: the reservation of the home team or of the visitors, or the remark of the
// official referee, typed for the match on the sheet. The main window opens it with a command word
// in LabX and stays disabled while it is open.

#include "ui/StandaardInstantie.h"

#include <QString>
#include <QWidget>

class FrmWedstrijdInput;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class FrmVoorbehoud : public QWidget, public ui::StandaardInstantie<FrmVoorbehoud>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<FrmVoorbehoud>;

public:
    /** The three kinds of remark, in the order of their buttons. */
    enum Soort
    {
        Thuisploeg = 0,
        Bezoekers = 1,
        OfficieleScheids = 2
    };

    /**
     * Loads the window for the command word of the main window and shows it. A word the window does
     * not know shows nothing and gives the main window back.
     */
    void toon();

    /** The kind of remark of the last opening. */
    int intVoorbehoudSoort = 0;
    /**
     * Set by Annuleren, cleared by Sluiten and at every opening: a cancelled window stores nothing
     * when it closes, a window closed with its close box stores as Sluiten does.
     */
    bool blnGeannuleerd = false;

    QLabel* LabTekst = nullptr;
    QPlainTextEdit* TxtCommentaar = nullptr;
    QPushButton* CmdSluiten = nullptr;
    QPushButton* CmdAnnuleren = nullptr;

    /** The column of the match that holds a kind of remark. */
    static QString kolom(int soort);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void CmdSluiten_Click();
    void CmdAnnuleren_Click();

private:
    FrmVoorbehoud();
    /** @return false when the command word names no kind of remark */
    bool Form_Load();
    void Form_Activate();
    void Form_Unload();

    bool m_open = false;
};

namespace sheet {

/**
 * Connects the three remark buttons of the sheet and the three items of the menu "Voorbehoud" of
 * the window (once).
 */
void VoorbehoudVerbinden(FrmWedstrijdInput& venster);

} // namespace sheet
