#include "ui/QtVertaling.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool qtVertalingLaden(QObject* eigenaar)
{
    // "qt" is the catalogue that pulls in the parts (qtbase ...) for the language.
    auto* vertaling = new QTranslator(eigenaar);
    if (!vertaling->load(QLocale(QLocale::Dutch), QStringLiteral("qt"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(vertaling)) {
        delete vertaling;
        return false;
    }
    return true;
}

} // namespace ui
