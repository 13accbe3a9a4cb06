#pragma once

#include "rest/MemTable.h"

#include <QWidget>

#include <memory>
#include <optional>

class BusyIndicator;
class TMessageFilterProxy;
class TMessageListModel;
class TMessageRowDelegate;
struct TExternalApplicationsOutcome;
struct TMessageListOutcome;

namespace Ui {
class TfrmOrvel;
}

// The monitor screen: the message list of one external application, the filter drawer docked at the
// left and the search over the loaded rows.
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

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ExternalApplicationsLoaded(quint64 generation, TExternalApplicationsOutcome outcome);
    void MessageListLoaded(quint64 generation, TMessageListOutcome outcome);
    // The eea_id of the current application, if there is one to send.
    std::optional<QString> SelectedApplicationCode() const;
    void EndListLoad();
    void ShowWarning(const QString &text);

    std::unique_ptr<Ui::TfrmOrvel> ui;
    BusyIndicator *AniIndicator2 = nullptr;
    TMessageListModel *m_rows = nullptr;
    TMessageFilterProxy *m_search = nullptr;
    TMessageRowDelegate *m_rowDelegate = nullptr;

    // The replies the screen reads: the applications behind the selector, and the messages of the last
    // list load (the details and the resend find a row's record again here by its messageKey).
    nivo::TMemTable memTableExternalApplications;
    nivo::TMemTable memTableDataMessages;

    // Each load takes the next number; a result whose number is no longer the latest is dropped.
    quint64 m_applicationsGeneration = 0;
    quint64 m_listGeneration = 0;
    bool m_applicationsPending = false;
};
