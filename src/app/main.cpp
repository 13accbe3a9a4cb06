#include "app/OrvelViewer.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    TOrvelViewer::InitializeModules();

    QApplication app(argc, argv);
    QApplication::setApplicationName(u"OrvelViewer"_s);

    // Every text of the program is Brazilian Portuguese; dates follow the user's locale unless the
    // system names none.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Portuguese, QLocale::Brazil), u"qtbase"_s, u"_"_s,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    TOrvelViewer viewer;
    return viewer.Run();
}
