#pragma once

#include "dialogs/DialogTypes.h"

#include <QMetaType>

// Lets the dialog vocabulary travel in QtTest data tables.
Q_DECLARE_METATYPE(nivo::TMsgDlgButtons)
Q_DECLARE_METATYPE(nivo::TMsgDlgBtn)
Q_DECLARE_METATYPE(nivo::TMsgDlgType)
