#include "dialogs/MessageBoxStyle.h"

#include <initializer_list>
#include <utility>

namespace nivo {

namespace {

// The style with the flag of the default button, when the row lists that button.
unsigned WithDefault(unsigned style, TMsgDlgBtn defaultButton,
                     std::initializer_list<std::pair<TMsgDlgBtn, unsigned>> defaults)
{
    for (const auto &[button, flag] : defaults) {
        if (button == defaultButton)
            return style | flag;
    }
    return style;
}

unsigned CoreStyle(TMsgDlgButtons core, TMsgDlgBtn def)
{
    if (core == TMsgDlgButtons{mbYes, mbNo})
        return WithDefault(MB_YESNO, def, {{mbNo, MB_DEFBUTTON2}, {mbHelp, MB_DEFBUTTON3}});
    if (core == TMsgDlgButtons{mbOK})
        return WithDefault(MB_OK, def, {{mbHelp, MB_DEFBUTTON2}});
    if (core == TMsgDlgButtons{mbYes, mbNo, mbCancel} || core == YesNoCancelToAllButtons)
        return WithDefault(MB_YESNOCANCEL, def,
                           {{mbNo, MB_DEFBUTTON2}, {mbCancel, MB_DEFBUTTON3}, {mbHelp, MB_DEFBUTTON4}});
    if (core == TMsgDlgButtons{mbOK, mbCancel})
        return WithDefault(MB_OKCANCEL, def, {{mbCancel, MB_DEFBUTTON2}, {mbHelp, MB_DEFBUTTON3}});
    if (core == TMsgDlgButtons{mbAbort, mbRetry, mbIgnore} || core == AbortIgnoreButtons)
        return WithDefault(MB_ABORTRETRYIGNORE, def,
                           {{mbRetry, MB_DEFBUTTON2}, {mbIgnore, MB_DEFBUTTON3}, {mbHelp, MB_DEFBUTTON4}});
    if (core == TMsgDlgButtons{mbRetry, mbCancel})
        return WithDefault(MB_RETRYCANCEL, def, {{mbCancel, MB_DEFBUTTON2}, {mbHelp, MB_DEFBUTTON3}});
    return MB_OK;
}

} // namespace

unsigned MessageBoxStyle(TMsgDlgButtons AButtons, TMsgDlgBtn ADefaultButton)
{
    unsigned style = CoreStyle(AButtons.without(mbHelp), ADefaultButton);
    if (AButtons.contains(mbHelp))
        style |= MB_HELP;
    return style;
}

std::vector<int> MessageBoxButtonIds(unsigned style)
{
    std::vector<int> ids;
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: ids = {IDOK, IDCANCEL}; break;
    case MB_ABORTRETRYIGNORE: ids = {IDABORT, IDRETRY, IDIGNORE}; break;
    case MB_YESNOCANCEL: ids = {IDYES, IDNO, IDCANCEL}; break;
    case MB_YESNO: ids = {IDYES, IDNO}; break;
    case MB_RETRYCANCEL: ids = {IDRETRY, IDCANCEL}; break;
    default: ids = {IDOK}; break;
    }
    if (style & MB_HELP)
        ids.push_back(IDHELP);
    return ids;
}

int MessageBoxDefaultIndex(unsigned style)
{
    const int index = static_cast<int>((style & MB_DEFMASK) >> 8);
    // Like the system box: a default beyond the last button falls back to the first.
    return index < static_cast<int>(MessageBoxButtonIds(style).size()) ? index : 0;
}

} // namespace nivo
