#pragma once

#include "monitor/MessageDetails.h"
#include "rest/MemTable.h"

#include <QWidget>

#include <memory>
#include <optional>

class BusyIndicator;
class PullToRefresh;
class QKeyEvent;
class QModelIndex;
class QPlainTextEdit;
class TMessageFilterProxy;
class TMessageListModel;
class TMessageRowDelegate;
struct TExternalApplicationsOutcome;
struct TMessageListOutcome;
struct TMessageResendOutcome;

namespace Ui {
class TfrmOrvel;
}

// The monitor screen: the message list of one external application, the filter drawer docked at the
// left and the search over the loaded rows; a row opens the message's details and from there its
// payloads, and the message can be sent again.
class TfrmOrvel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmOrvel)

public:
    explicit TfrmOrvel(QWidget *parent = nullptr);
    ~TfrmOrvel() override;

    void FormShow();

    // Fills the selector from the service, then selects the first application and loads its messages.
    void LoadExternalApplications();
    // Makes the selected application current and, unless a load runs, reloads the list for it.
    void ComboBox1Change(QObject *Sender);

    // Empties the list and loads it again, in the background, with the drawer's current filter. A load
    // started later supersedes this one.
    void LoadSendMessages();
    void btnAplicarFiltrosClick();

    void btnSearchVisibleClick();
    // Keeps at least one status ticked: when the sender's change left none, warns and ticks it again.
    void CheckIfOneListBoxItemIsChecked(QObject *Sender);

    void ShowAniIndicator();
    void HideAniIndicator();
    bool IsAniIndicatorVisible() const;

    // The messageKey (em_id) of the list's selected row; empty when no row is selected.
    QString SelectedMessageKey() const;

    // Opens the details of the clicked row's message, found in the last list load by its em_id.
    void ListBox1ItemClick(QObject *Sender, const QModelIndex &Item);
    // The sent and the response payload of the message whose details are shown.
    void ListBoxItem3Click();
    void ListBoxItem6Click();
    // The payload laid out for reading when it is XML or JSON, else as it came.
    static void FormatMessageToMemo(QPlainTextEdit *AMemoComponent, const QString &AMessageText);
    // Back to the list with no row selected / back to the details with the memo emptied.
    void btnVoltarTab2Click();
    void Button2Click();

    // Asks, then sends the shown message again in the background.
    void btnReenviarMensagemClick();

    void DoOnPullRefresh();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ExternalApplicationsLoaded(quint64 generation, TExternalApplicationsOutcome outcome);
    void MessageListLoaded(quint64 generation, TMessageListOutcome outcome);
    // The eea_id of the current application, if there is one to send.
    std::optional<QString> SelectedApplicationCode() const;
    void EndListLoad();
    void ShowWarning(const QString &text);
    void ShowDetails(const TMessageDetails &details);
    void SlideTo(QWidget *page);
    void StartResend();
    void MessageResendDone(TMessageResendOutcome outcome);
    // The Back key (Esc on the desktop): steps back one level; true when it was taken.
    bool FormKeyUp(QKeyEvent *event);

    std::unique_ptr<Ui::TfrmOrvel> ui;
    BusyIndicator *AniIndicator2 = nullptr;
    TMessageListModel *m_rows = nullptr;
    TMessageFilterProxy *m_search = nullptr;
    TMessageRowDelegate *m_rowDelegate = nullptr;
    PullToRefresh *m_pull = nullptr;

    // The replies the screen reads: the applications behind the selector, and the messages of the last
    // list load (the details and the resend find a row's record again here by its messageKey).
    nivo::TMemTable memTableExternalApplications;
    nivo::TMemTable memTableDataMessages;
    // The reply of the last resend.
    nivo::TMemTable memTableResendMessage;
    // What the details and payload pages show, taken from the clicked row's record.
    TMessageDetails m_details;
    // The Back key went down while this form had it, so its release belongs here (and not, say, to a
    // calendar pop-up that the press closed).
    bool m_backKeyDown = false;

    // Each load takes the next number; a result whose number is no longer the latest is dropped.
    quint64 m_applicationsGeneration = 0;
    quint64 m_listGeneration = 0;
    bool m_applicationsPending = false;
};
