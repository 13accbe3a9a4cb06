#include "login/LoginForm.h"

using namespace Qt::StringLiterals;

TfrmLogin::TfrmLogin(TDataModuleConfig &config, QWidget *parent)
    : QWidget(parent)
    , m_config(config)
{
    setObjectName(u"frmLogin"_s);
    setWindowTitle(u"Orvel - Login"_s);
    resize(452, 674);
}
