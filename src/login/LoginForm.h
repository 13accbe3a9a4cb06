#pragma once

#include <QWidget>

class TDataModuleConfig;

// The sign-in screen.
class TfrmLogin final : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmLogin(TDataModuleConfig &config, QWidget *parent = nullptr);

signals:
    // A sign-in succeeded: the monitor screen takes over.
    void signedIn();

private:
    TDataModuleConfig &m_config;
};
