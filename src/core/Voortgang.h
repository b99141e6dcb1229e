#pragma once

// Where a long procedure shows what it is doing: a caption and a percentage. The preparation window
// shows them; tests record them.

#include <QString>

namespace core {

class Voortgang
{
public:
    virtual ~Voortgang() = default;
    virtual void opschrift(const QString& tekst) = 0;
    virtual void UpdateProgress(int procent) = 0;
};

/**
 * The progress marks of a walk over source rows: every row taken up counts, and after moving on,
 * when the whole part of drempel × rijen / 100 equals the count, drempel is shown and grows by the
 * step. So 200 rows in steps of 10 show 10, 20, ... 100 after rows 20, 40, ... 200.
 */
class Voortgangsteller
{
public:
    Voortgangsteller(Voortgang* voortgang, int stap)
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
        if (static_cast<qint64>(static_cast<double>(m_drempel) * static_cast<double>(rijen) / 100.0) == m_teller) {
            if (m_voortgang)
                m_voortgang->UpdateProgress(m_drempel);
            m_drempel += m_stap;
        }
    }
    void klaar()
    {
        if (m_voortgang)
            m_voortgang->UpdateProgress(100);
    }

private:
    Voortgang* m_voortgang;
    int m_stap;
    int m_drempel;
    qint64 m_teller = 0;
};

} // namespace core
