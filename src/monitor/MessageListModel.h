#pragma once

#include "monitor/MessageRow.h"

#include <QAbstractListModel>

#include <vector>

// The rows of the message list. Each role bears the name of the row style's part that shows it, so a
// value written for a part is read back by the same name.
class TMessageListModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMessageListModel)

public:
    enum Role {
        TextRole = Qt::DisplayRole,
        DetailRole = Qt::UserRole + 1,
        DetailTopRole,
        ResponseDateRole,
        MessageKeyRole,
        ImageIndexRole,
    };

    explicit TMessageListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Takes the rows over in one reset; the view repaints once.
    void SetRows(std::vector<TMessageRow> rows);
    void Clear();

    const TMessageRow &Row(int row) const { return m_rows[static_cast<size_t>(row)]; }

private:
    std::vector<TMessageRow> m_rows;
};
