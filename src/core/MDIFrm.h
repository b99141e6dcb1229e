#pragma once

// The parent window of the program: maximised, it holds the main window.

#include "ui/StandaardInstantie.h"

#include <QMainWindow>
#include <QPointer>

class QMdiArea;

class MDIFrm : public QMainWindow, public ui::StandaardInstantie<MDIFrm>
{
    Q_OBJECT
    friend class ui::StandaardInstantie<MDIFrm>;

public:
    /** Removes the instance; the main window in its work area is let go first and kept. */
    static void opruimen();

    /**
     * The start of the program: the parent window's size and state, then the main window is
     * loaded and shown.
     * @throw core::OpstartFout when the main window cannot load
     */
    void Form_Load();

    /** Unloads the given window. */
    void FormulierSluiten(QWidget* venster);

    QMdiArea* werkvlak() const { return m_werkvlak; }

protected:
    void closeEvent(QCloseEvent* event) override;
    /** Enter or Space brings a minimised main window back, with its menu bar. */
    void keyPressEvent(QKeyEvent* event) override;
    /** The main window about to be minimised gives up the focus first, and gets it back restored. */
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    MDIFrm();
    QMdiArea* m_werkvlak = nullptr;
    // Where the focus was in the main window when it was minimised.
    QPointer<QWidget> m_focusVoorMinimaliseren;
};
