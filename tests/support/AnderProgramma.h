#pragma once

// Another program (a database tool, a second copy of this one) that keeps a transaction open on a
// database file: from a thread and a connection of its own, outside the program's database layer,
// so that it goes on holding while the program is busy.

#include <QString>

#include <memory>

namespace testhulp {

class AnderProgramma
{
public:
    enum class Slot
    {
        Lezen,    ///< a read transaction: others may read and begin to write, but not commit
        Schrijven, ///< a write transaction: others may read, but not begin to write
        Alleen     ///< the file kept to itself: others may not even read
    };

    /**
     * Opens the file and begins the transaction; returns once the lock is held. The other program
     * lets go by itself after langstens milliseconds, so that a test of a program that waits
     * without limit still ends.
     */
    AnderProgramma(const QString& pad, Slot slot, int langstens = 20000);
    /** Ends the transaction (if it still runs) and closes the file. */
    ~AnderProgramma();
    AnderProgramma(const AnderProgramma&) = delete;
    AnderProgramma& operator=(const AnderProgramma&) = delete;

    /** Empty when the lock was taken; else what went wrong, for the test's failure. */
    QString fout() const;
    /** Ends the transaction now. */
    void loslaten();
    /** Whether the other program let go by itself because it held its lock as long as it may. */
    bool zelfLosgelaten() const;

private:
    struct Staat;
    std::shared_ptr<Staat> m_staat;
};

} // namespace testhulp
