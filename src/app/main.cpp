#include "app/Language.h"
#include "app/OrvelViewer.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    TOrvelViewer::InitializeModules();

    QApplication app(argc, argv);
    QApplication::setApplicationName(u"OrvelViewer"_s);
    UsePortugueseTexts();

    TOrvelViewer viewer;
    return viewer.Run();
}
