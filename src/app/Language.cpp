#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void UsePortugueseTexts()
{
    const QLocale portuguese(QLocale::Portuguese, QLocale::Brazil);
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(portuguese);
    // Owned by the application object, so it lives as long as the texts it translates.
    auto *qtTranslator = new QTranslator(QCoreApplication::instance());
    if (qtTranslator->load(portuguese, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
}
