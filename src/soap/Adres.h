#pragma once

// Which addresses of the web service the program talks to. Credentials go with the requests, so
// only a secure (https) address is used; plain http only to this machine itself (127.0.0.1, ::1,
// localhost), where nothing leaves the computer.

#include <QString>
#include <QUrl>

namespace soap {

/** Whether the address may be used: https to any host, http only to a loopback address. */
bool adresToegestaan(const QUrl& adres);

/**
 * Why the typed address of the service cannot be used, as a Dutch message; empty when it can.
 * @param wat what the address is, as the message names it ("Het adres van de webdienst")
 */
QString adresWeigering(const QString& adres, const QString& wat = QStringLiteral("Het adres van de webdienst"));

} // namespace soap
