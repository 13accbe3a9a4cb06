#pragma once

#include "dialogs/DialogCaptions.h"

#include <QMargins>
#include <QPoint>
#include <QRect>

#include <optional>

class QBoxLayout;
class QFontMetricsF;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace nivo {

class TDialogForm;

// Builds dialog forms from widgets and returns them laid out, centred in the work area and not yet
// shown. Measures are in the form font's average character size ("dialog units").
class TDialogBuilder final
{
public:
    TDialogBuilder() = delete;

    // A message with one button per requested kind, in the declared order of TMsgDlgBtn. The form has
    // a close box, and Esc cancels it, only when it holds Cancel or ForceCanCancel is set. Returns none
    // when the form cannot be built.
    static TDialogForm *MessageDialog(const QString &AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                                      TMsgDlgBtn DefaultButton, int AHelpCtx,
                                      const TInputCloseDialogProc &ACloseDialogProc, bool ForceCanCancel);

    // One labelled edit per prompt, then OK and Cancel. A prompt that starts with a control character
    // asks for a password; its label leaves that character out. Raises EArgumentError, before anything
    // is made, when fewer default values than prompts or no prompt are given. Returns none when the
    // form cannot be built.
    static TDialogForm *InputQuery(const QString &ACaption, const QStringList &APrompts,
                                   const QStringList &ADefaultValues, const TInputCloseQueryProc &ACloseQueryProc);

    // The built dialogs' caption tables, loaded once from the string table.
    static const TMsgCaptionTable &MsgCaptions();
    static const TButtonCaptionTable &ButtonCaptions();

    // Average character width (x) and character height (y) of the font.
    static QPoint GetAveCharSize(const QFontMetricsF &metrics);
    static QString GetPromptCaption(const QString &prompt);
    // '*' for a password prompt, otherwise a null character.
    static QChar GetPasswordChar(const QString &prompt);
    // The widest prompt label plus one average character width.
    static int GetMaxTextWidth(const QStringList &prompts, QPoint dialogUnits, const QFontMetricsF &metrics);
    static int GetMaxWidth(const QRect &area);
    static int GetMaxHeight(const QRect &area);

    // The available area of the display showing the active window, else the main window, else of the
    // whole desktop. Raises when there is no display area at all.
    static QRect GetWorkArea();
    // Makes GetWorkArea answer this area (none: the displays' own again), for a fixed geometry.
    static void PinWorkArea(std::optional<QRect> area);

private:
    // A row of the given content height with the margins around it, appended to the parent layout.
    static QHBoxLayout *CreateLayout(QBoxLayout *parent, const QMargins &margins, int height);
    static QPushButton *CreateButton(TDialogForm *form, QHBoxLayout *layout, TMsgDlgBtn kind);
    static QPushButton *CreateButton(TDialogForm *form, QHBoxLayout *layout, const QString &text,
                                     TModalResult result);
    // The default height of a push button on the form.
    static int ButtonHeight(QWidget *form);
};

} // namespace nivo
