#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <exception>

// The application object: keeps the main form (closing it ends the program; closing any other form only
// hides it) and shows errors that nobody else handled.
class TApplication final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TApplication)

public:
    explicit TApplication(QObject *parent = nullptr);
    ~TApplication() override;

    // The application object of this process, if one exists.
    static TApplication *Instance();

    // The general error display: an error dialog with OK showing the error's message.
    static void HandleException(const std::exception &error);

    void AddForm(QWidget *form);
    QWidget *MainForm() const { return m_mainForm; }
    void SetMainForm(QWidget *form);

signals:
    // The main form was closed; the program ends.
    void terminated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_mainForm;
};
