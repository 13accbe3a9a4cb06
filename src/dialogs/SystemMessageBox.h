#pragma once

#include <QHash>
#include <QMessageBox>

#include <vector>

class QPushButton;

namespace nivo {

// The message box that a style describes (see MessageBoxStyle.h): its button set with Portuguese
// captions, its default button, a Help button and its icon. Every button carries a control
// identifier, and the box answers with the identifier of the button that was pressed.
//
// All buttons share one role, so the box shows them left to right in the order they were added on
// every platform instead of sorting them by the platform's button-box convention.
class TSystemMessageBox final : public QMessageBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSystemMessageBox)

public:
    TSystemMessageBox(QWidget *owner, const QString &text, const QString &caption, unsigned style);

    // The button with that control identifier, or none.
    QPushButton *Button(int id) const;
    // Adds a button of our own, at the right end, that answers with the identifier.
    void CreateButton(int id, const QString &caption);
    // Takes the button off the box.
    void RemoveButton(int id);
    void SetButtonText(int id, const QString &caption);
    // Puts the listed buttons in this order, left to right; buttons not listed keep their place before them.
    void ArrangeButtons(const std::vector<int> &ids);

    // Shows the box modally and returns the control identifier of the pressed button, or 0 when the
    // box went away without one.
    int Execute();

private:
    void AddBoxButton(QPushButton *button);

    QHash<int, QPushButton *> m_buttons;
};

} // namespace nivo
