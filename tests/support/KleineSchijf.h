#pragma once

// A small file system of its own (tmpfs) mounted on a folder for the length of a test, that can be filled
// to its last byte: a full disk, as the user meets it.

#include <QString>

namespace testhulp {

class KleineSchijf
{
public:
    /** Mounts a tmpfs of the given size on the folder, which must exist; what it held is hidden until the end. */
    explicit KleineSchijf(const QString& map, qint64 grootte = 1024 * 1024);
    /** Unmounts it again; the folder shows what it held before. */
    ~KleineSchijf();
    KleineSchijf(const KleineSchijf&) = delete;
    KleineSchijf& operator=(const KleineSchijf&) = delete;

    /** Empty once mounted; else why it could not be (only the administrator may mount), for GTEST_SKIP. */
    const QString& reden() const { return m_reden; }
    /** Fills what is left with the file "vulling", so that not one byte more fits. */
    void vullen();
    /** Removes the filler: the room is there again. */
    void legen();

private:
    QString m_map;
    QString m_reden;
    bool m_gemount = false;
};

} // namespace testhulp
