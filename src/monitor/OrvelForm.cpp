#include "monitor/OrvelForm.h"

using namespace Qt::StringLiterals;

TfrmOrvel::TfrmOrvel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"frmOrvel"_s);
    setWindowTitle(u"NIVO - Orvel"_s);
    resize(640, 480);
    setWindowState(Qt::WindowMaximized);
}
