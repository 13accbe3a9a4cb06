#pragma once

#include "dialogs/DialogTypes.h"

#include <vector>

namespace nivo {

// Style flags of a message box: its button set, which of its buttons is the default, a Help button and
// the icon. The values are the published ones of the system message box.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_TYPEMASK = 0xF;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFBUTTON4 = 0x300;
constexpr unsigned MB_DEFMASK = 0xF00;
constexpr unsigned MB_HELP = 0x4000;

// Control identifiers of a message box's buttons; the box answers with the one that was pressed.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDHELP = 9;

// The two requests no button set of the box shows as they are; the box is changed for them.
inline constexpr TMsgDlgButtons AbortIgnoreButtons{mbAbort, mbIgnore};
inline constexpr TMsgDlgButtons YesNoCancelToAllButtons{mbYes, mbNo, mbCancel, mbNoToAll, mbYesToAll};

// Button set and default-button flags for the requested buttons (Help not counted in the set, but
// counted as a default), plus MB_HELP when Help is asked for. A default the set does not list adds
// nothing; a set outside the known ones becomes a single OK.
unsigned MessageBoxStyle(TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton);

// The box's own buttons for a style, left to right, by control identifier.
std::vector<int> MessageBoxButtonIds(unsigned style);

// Zero-based position of the default button among MessageBoxButtonIds.
int MessageBoxDefaultIndex(unsigned style);

} // namespace nivo
