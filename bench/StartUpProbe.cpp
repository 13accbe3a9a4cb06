// One start of the viewer, made as its main() makes it, that prints "shown" and ends once the sign-in
// window has painted its first frame. With --bare it shows an empty window instead: what any Qt
// program pays to put up a window.
#include "WatchingApplication.h"

#include "app/Language.h"
#include "app/OrvelViewer.h"
#include "login/LoginForm.h"

#include <QWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
void Shown()
{
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
} // namespace

int main(int argc, char *argv[])
{
    const bool bare = argc > 1 && qstrcmp(argv[1], "--bare") == 0;
    if (bare) {
        WatchingApplication app(argc, argv);
        QWidget window;
        window.resize(400, 600);
        app.watch(ExposeOf([&window] { return &window; }), Shown);
        window.show();
        return app.exec();
    }

    TOrvelViewer::InitializeModules();
    WatchingApplication app(argc, argv);
    QApplication::setApplicationName(u"OrvelViewer"_s);
    UsePortugueseTexts();

    TOrvelViewer viewer;
    app.watch(ExposeOf([&viewer]() -> const QWidget * { return viewer.frmLogin; }), Shown);
    return viewer.Run();
}
