#pragma once

#include <QWidget>

#include <memory>

class BusyIndicator;
class TMessageFilterProxy;
class TMessageListModel;
class TMessageRowDelegate;

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

    void btnSearchVisibleClick();
    // Keeps at least one status ticked: when the sender's change left none, warns and ticks it again.
    void CheckIfOneListBoxItemIsChecked(QObject *Sender);

    void ShowAniIndicator();
    void HideAniIndicator();
    bool IsAniIndicatorVisible() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TfrmOrvel> ui;
    BusyIndicator *AniIndicator2 = nullptr;
    TMessageListModel *m_rows = nullptr;
    TMessageFilterProxy *m_search = nullptr;
    TMessageRowDelegate *m_rowDelegate = nullptr;
};
