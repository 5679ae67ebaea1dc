#include "gui/base/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator* InstallJapaneseQtTexts(QCoreApplication& app)
{
    // File types and the like, which Qt names in the default locale.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* pTranslator = new QTranslator(&app);
    if (!pTranslator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(pTranslator)) {
        delete pTranslator;
        return nullptr;
    }
    return pTranslator;
}
