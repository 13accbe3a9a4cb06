#include "dialogs/SystemMessageBox.h"

#include "dialogs/DialogStrings.h"
#include "dialogs/MessageBoxStyle.h"

#include <QPointer>
#include <QPushButton>

namespace nivo {

namespace {

QString CaptionOf(int id)
{
    switch (id) {
    case IDOK: return LoadResString(StrOkButton);
    case IDCANCEL: return LoadResString(StrCancelButton);
    case IDABORT: return LoadResString(StrAbortButton);
    case IDRETRY: return LoadResString(StrRetryButton);
    case IDIGNORE: return LoadResString(StrIgnoreButton);
    case IDYES: return LoadResString(StrYesButton);
    case IDNO: return LoadResString(StrNoButton);
    case IDHELP: return LoadResString(StrHelpButton);
    }
    return {};
}

QMessageBox::Icon IconOf(unsigned style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The one role every button has; it keeps the order of addition on screen.
constexpr QMessageBox::ButtonRole BoxButtonRole = QMessageBox::ActionRole;

} // namespace

TSystemMessageBox::TSystemMessageBox(QWidget *owner, const QString &text, const QString &caption, unsigned style)
    : QMessageBox(owner)
{
    setWindowTitle(caption);
    setTextFormat(Qt::PlainText);
    setText(text);
    setIcon(IconOf(style));

    const std::vector<int> ids = MessageBoxButtonIds(style);
    for (int id : ids)
        CreateButton(id, CaptionOf(id));
    setDefaultButton(Button(ids.at(MessageBoxDefaultIndex(style))));

    // Esc answers Cancel, or OK when there is no Cancel; a box with neither cannot be dismissed by it.
    if (QPushButton *escape = Button(IDCANCEL) ? Button(IDCANCEL) : Button(IDOK))
        setEscapeButton(escape);
}

QPushButton *TSystemMessageBox::Button(int id) const
{
    return m_buttons.value(id);
}

void TSystemMessageBox::CreateButton(int id, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    m_buttons.insert(id, button);
    AddBoxButton(button);
}

void TSystemMessageBox::RemoveButton(int id)
{
    if (QPushButton *button = m_buttons.take(id)) {
        removeButton(button);
        delete button;
    }
}

void TSystemMessageBox::SetButtonText(int id, const QString &caption)
{
    if (QPushButton *button = Button(id))
        button->setText(caption);
}

void TSystemMessageBox::ArrangeButtons(const std::vector<int> &ids)
{
    // Taking a button off the box forgets whether it was the default or the escape button.
    QPushButton *defaultOne = defaultButton();
    QAbstractButton *escapeOne = escapeButton();
    for (int id : ids) {
        if (QPushButton *button = Button(id)) {
            removeButton(button);
            AddBoxButton(button);
        }
    }
    if (defaultOne)
        setDefaultButton(defaultOne);
    if (escapeOne)
        setEscapeButton(escapeOne);
}

int TSystemMessageBox::Execute()
{
    QPointer<TSystemMessageBox> alive(this);
    exec();
    if (!alive)
        return 0;
    const QAbstractButton *pressed = clickedButton();
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (it.value() == pressed)
            return it.key();
    }
    return 0;
}

void TSystemMessageBox::AddBoxButton(QPushButton *button)
{
    addButton(button, BoxButtonRole);
}

} // namespace nivo
