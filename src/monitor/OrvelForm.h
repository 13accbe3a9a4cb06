#pragma once

#include <QWidget>

// The monitor screen.
class TfrmOrvel final : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmOrvel(QWidget *parent = nullptr);
};
