#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// The program's text files: Windows-1252 ("ANSI") with CR LF line ends.
namespace core {

/**
 * The text in Windows-1252. A character the code page lacks becomes "?". The five bytes the code page
 * leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters with the same number.
 */
QByteArray naarAnsi(const QString& tekst);
/** Whether every character of the text has its byte in Windows-1252, so that naarAnsi writes no "?" for one. */
bool pastInAnsi(QStringView tekst);
/** Windows-1252 bytes as text; every byte has a meaning, so nothing is lost. */
QString vanAnsi(const QByteArray& bytes);

/**
 * Reads a Windows-1252 text line by line. A line ends at CR LF, LF or a lone CR; the line end is not part of
 * the line. A last line without a line end still counts; a file that ends with a line end has no extra
 * empty line after it.
 */
class AnsiLezer
{
public:
    /** The device must be open for reading; it is read in blocks of blokgrootte bytes. */
    explicit AnsiLezer(QIODevice* apparaat, qsizetype blokgrootte = 64 * 1024);

    /** The next line into regel; false (and regel empty) when there are no more lines. */
    bool regelLezen(QString& regel);
    /** True when every line has been read. */
    bool eof();

private:
    bool bijvullen();

    QIODevice* m_apparaat;
    qsizetype m_blokgrootte;
    QByteArray m_buffer;
    qsizetype m_positie = 0;
};

/** All lines of a Windows-1252 file. On failure: false, with the reason in *fout. */
bool ansiBestandLezen(const QString& pad, QStringList& regels, QString* fout = nullptr);
/**
 * Writes the lines, each followed by CR LF, as a Windows-1252 file, whole or not at all (bestand::Schrijver): an
 * older file of that name is replaced only by a complete one. On failure: false, with the message that names the
 * file and the cause in *fout (its lines ended by CR LF).
 */
bool ansiBestandSchrijven(const QString& pad, const QStringList& regels, QString* fout = nullptr);

} // namespace core
