#include "gui/app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QTranslator* InstallJapaneseQtTexts(QCoreApplication& app)
{
    auto* pTranslator = new QTranslator(&app);
    if (!pTranslator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(pTranslator)) {
        delete pTranslator;
        return nullptr;
    }
    return pTranslator;
}
