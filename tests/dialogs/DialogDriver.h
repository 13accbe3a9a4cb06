#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;
class QPushButton;
class QWidget;

namespace nivo {
class TDialogForm;
}

// Answers a modal dialog as a user would, from inside its event loop: once the dialog is on screen
// the action runs on it. Gives up after a bounded wait and then closes every dialog still open, so a
// test never blocks.
class DialogDriver final : public QObject
{
    Q_OBJECT

public:
    explicit DialogDriver(QObject *parent = nullptr);

    void whenModalShown(std::function<void(QDialog *)> action);
    bool timedOut() const { return m_timedOut; }

private:
    void poll();

    QTimer m_timer;
    QElapsedTimer m_elapsed;
    std::function<void(QDialog *)> m_action;
    bool m_timedOut = false;
};

// The visible push button with exactly this text, or none.
QPushButton *buttonWithText(QWidget *dialog, const QString &text);
// Clicks that button with the mouse; false when there is none.
bool clickButton(QWidget *dialog, const QString &text);
// Texts of the visible push buttons, left to right on screen.
QStringList buttonTextsLeftToRight(QWidget *dialog);
// The built dialog form on screen, if one is.
nivo::TDialogForm *visibleDialogForm();
// Closes and frees every dialog window left over, and runs pending deletions.
void disposeDialogs();
