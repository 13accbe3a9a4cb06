#pragma once

#include "dialogs/DialogTypes.h"

#include <array>

namespace nivo {

// Window titles by dialog type; the mtCustom entry stays empty (the application's title is shown).
using TMsgCaptionTable = std::array<QString, mtCustom + 1>;
// Button captions by button kind, in the declared order of TMsgDlgBtn.
using TButtonCaptionTable = std::array<QString, TMsgDlgBtnCount>;

// Both tables filled from the string table.
TMsgCaptionTable LoadMsgCaptions();
TButtonCaptionTable LoadButtonCaptions();

// The window title of a dialog of that type: the table's entry, or the application's title for mtCustom.
QString DialogTitle(const TMsgCaptionTable &captions, TMsgDlgType type);

} // namespace nivo
