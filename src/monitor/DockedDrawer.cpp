#include "monitor/DockedDrawer.h"

TDockedDrawer::TDockedDrawer(QWidget *parent)
    : QFrame(parent)
{
}

bool TDockedDrawer::IsOpen() const
{
    return false;
}

void TDockedDrawer::Close()
{
}
