#pragma once

#include <QString>

// The look shared by every screen, compiled into the program.
QString OrvelStyleSheet();
