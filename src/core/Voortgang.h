#pragma once

// What a long data action shows while it runs: the caption of the preparation window and its
// progress bar. The actions of the maintenance subsystem draw on it without knowing the window.

#include <QString>
#include <stdexcept>

namespace core {

/** The progress display of a long action. */
class IVoortgang
{
public:
    virtual ~IVoortgang() = default;
    /** Sets the caption that tells what is being done. */
    virtual void opschriftZetten(const QString& tekst) = 0;
    /** Draws the bar at a whole percentage and repaints it at once. */
    virtual void UpdateProgress(int procent) = 0;
};

/** A display that shows nothing (an action run without a window). */
class GeenVoortgang : public IVoortgang
{
public:
    void opschriftZetten(const QString&) override {}
    void UpdateProgress(int) override {}
};

/**
 * The progress marks of a walk over a number of rows: a mark is drawn when the integer part of
 * (total / 100 * mark) equals the row counter, and the mark then grows by the step.
 */
class Voortgangsmarkering
{
public:
    Voortgangsmarkering(double totaal, int begin, int stap)
        : m_totaal(totaal)
        , m_markering(begin)
        , m_stap(stap)
    {
    }

    /** @return the mark to draw at this counter, or -1 when none is due */
    int bij(qint64 teller);
    /** The counter at which the next mark is due. */
    qint64 volgendeTeller() const;
    int markering() const { return m_markering; }

private:
    double m_totaal;
    int m_markering;
    int m_stap;
};

/** An action stopped for a reason the user is told in Dutch; nothing the action guards was lost. */
class ActieFout : public std::runtime_error
{
public:
    explicit ActieFout(const QString& tekst)
        : std::runtime_error(tekst.toStdString())
        , m_tekst(tekst)
    {
    }
    QString tekst() const { return m_tekst; }

private:
    QString m_tekst;
};

} // namespace core

namespace core {

/**
 * The progress marks of a walk over source rows whose count is read again after every move: every
 * row taken up counts, and after moving on, when the whole part of drempel × rijen / 100 equals the
 * count, drempel is shown and grows by the step. So 200 rows in steps of 10 show 10, 20, ... 100
 * after rows 20, 40, ... 200.
 */
class Voortgangsteller
{
public:
    Voortgangsteller(IVoortgang* voortgang, int stap)
        : m_voortgang(voortgang)
        , m_stap(stap)
        , m_drempel(stap)
    {
    }

    /** A source row is taken up. */
    void rij() { ++m_teller; }
    /** After the move to the next source row; rijen is the source's row count at that moment. */
    void verder(qint64 rijen)
    {
        Voortgangsmarkering markering(static_cast<double>(rijen), m_drempel, m_stap);
        const int getoond = markering.bij(m_teller);
        if (getoond < 0)
            return;
        if (m_voortgang)
            m_voortgang->UpdateProgress(getoond);
        m_drempel = markering.markering();
    }
    void klaar()
    {
        if (m_voortgang)
            m_voortgang->UpdateProgress(100);
    }

private:
    IVoortgang* m_voortgang;
    int m_stap;
    int m_drempel;
    qint64 m_teller = 0;
};

} // namespace core
