#include "DialogDriver.h"

#include "dialogs/DialogForm.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {
constexpr int PollIntervalMs = 10;
constexpr int GiveUpAfterMs = 10000;
} // namespace

DialogDriver::DialogDriver(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(PollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &DialogDriver::poll);
}

void DialogDriver::whenModalShown(std::function<void(QDialog *)> action)
{
    m_action = std::move(action);
    m_timedOut = false;
    m_elapsed.start();
    m_timer.start();
}

void DialogDriver::poll()
{
    if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
        m_timer.stop();
        m_action(dialog);
        return;
    }
    if (m_elapsed.elapsed() > GiveUpAfterMs) {
        m_timer.stop();
        m_timedOut = true;
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (auto *dialog = qobject_cast<QDialog *>(w); dialog && dialog->isVisible())
                dialog->done(0);
        }
    }
}

QPushButton *buttonWithText(QWidget *dialog, const QString &text)
{
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    const auto found = std::find_if(buttons.cbegin(), buttons.cend(), [&text](const QPushButton *b) {
        return b->isVisible() && b->text() == text;
    });
    return found == buttons.cend() ? nullptr : *found;
}

bool clickButton(QWidget *dialog, const QString &text)
{
    QPushButton *button = buttonWithText(dialog, text);
    if (!button)
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

QStringList buttonTextsLeftToRight(QWidget *dialog)
{
    QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    buttons.removeIf([](const QPushButton *b) { return !b->isVisible(); });
    std::sort(buttons.begin(), buttons.end(), [dialog](const QPushButton *a, const QPushButton *b) {
        return a->mapTo(dialog, QPoint()).x() < b->mapTo(dialog, QPoint()).x();
    });
    QStringList texts;
    for (const QPushButton *b : buttons)
        texts.append(b->text());
    return texts;
}

nivo::TDialogForm *visibleDialogForm()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (auto *form = qobject_cast<nivo::TDialogForm *>(w); form && form->isVisible())
            return form;
    }
    return nullptr;
}

void disposeDialogs()
{
    // A box owned by another dialog goes with its owner.
    QList<QPointer<QDialog>> dialogs;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialogs.append(dialog);
    }
    for (const QPointer<QDialog> &dialog : dialogs)
        delete dialog.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
