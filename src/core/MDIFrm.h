#pragma once

// The parent window of the program: maximised, it holds the main window.

#include <QMainWindow>

class QMdiArea;

class MDIFrm : public QMainWindow
{
    Q_OBJECT

public:
    static MDIFrm& standaard();
    static bool bestaat();
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

private:
    MDIFrm();
    QMdiArea* m_werkvlak = nullptr;
};
