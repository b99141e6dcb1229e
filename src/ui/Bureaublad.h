#pragma once

#include <QString>
#include <QStringList>

namespace ui {

/**
 * What the desktop does with a saved document: open it in the program the desktop uses for its kind, or
 * print it without a window.
 *
 * The printing code never starts programs itself: it goes through bureaublad(), so tests can replace the
 * desktop by a TestBureaublad that records the requests and opens or prints nothing.
 */
class Bureaublad
{
public:
    /** How printing went. */
    enum class Afdruk
    {
        Gelukt,
        GeenLibreOffice, ///< the office program that prints without a window is not installed
        GeenPrinter,     ///< no default printer is set up
        Mislukt          ///< the office program ran but reported a failure
    };

    virtual ~Bureaublad() = default;

    /**
     * Opens the file in the desktop's default program for its kind.
     * @return false when the desktop has nothing that opens it
     */
    virtual bool openen(const QString& pad) = 0;

    /** Prints the file on the default printer through LibreOffice, without a window; waits until it is done. */
    virtual Afdruk afdrukken(const QString& pad) = 0;
};

/** The instance the program uses: the one set with zetBureaublad(), or else the real desktop. */
Bureaublad& bureaublad();

/**
 * Replaces the instance bureaublad() returns; meant for tests. The caller keeps ownership.
 * @return the instance set before, or nullptr when the real desktop was in use
 */
Bureaublad* zetBureaublad(Bureaublad* nieuw);

/** The real desktop: QDesktopServices to open, `soffice --headless -p` to print. */
class EchtBureaublad : public Bureaublad
{
public:
    bool openen(const QString& pad) override;
    Afdruk afdrukken(const QString& pad) override;
};

/**
 * A desktop for tests: opens and prints nothing, records what was asked, and answers as told (by default:
 * opened, printed). Installed for as long as it lives.
 */
class TestBureaublad : public Bureaublad
{
public:
    TestBureaublad();
    ~TestBureaublad() override;
    TestBureaublad(const TestBureaublad&) = delete;
    TestBureaublad& operator=(const TestBureaublad&) = delete;

    bool openen(const QString& pad) override;
    Afdruk afdrukken(const QString& pad) override;

    QStringList geopend;    ///< the files asked to open, oldest first
    QStringList afgedrukt;  ///< the files asked to print, oldest first
    bool kanOpenen = true;  ///< what openen answers
    Afdruk afdruk = Afdruk::Gelukt; ///< what afdrukken answers

private:
    Bureaublad* m_vorige = nullptr;
};

} // namespace ui
