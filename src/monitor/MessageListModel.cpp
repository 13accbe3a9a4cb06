#include "monitor/MessageListModel.h"

TMessageListModel::TMessageListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int TMessageListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant TMessageListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TMessageRow &row = Row(index.row());
    switch (role) {
    case TextRole: return row.text;
    case DetailRole: return row.detail;
    case DetailTopRole: return row.detailtop;
    case ResponseDateRole: return row.responsedate;
    case MessageKeyRole: return row.messageKey;
    case ImageIndexRole: return row.imageIndex;
    default: return {};
    }
}

QHash<int, QByteArray> TMessageListModel::roleNames() const
{
    return {
        {TextRole, QByteArrayLiteral("text")},
        {DetailRole, QByteArrayLiteral("detail")},
        {DetailTopRole, QByteArrayLiteral("detailtop")},
        {ResponseDateRole, QByteArrayLiteral("responsedate")},
        {MessageKeyRole, QByteArrayLiteral("messageKey")},
        {ImageIndexRole, QByteArrayLiteral("imageIndex")},
    };
}

void TMessageListModel::SetRows(std::vector<TMessageRow> rows)
{
    beginResetModel();
    m_rows.swap(rows);
    endResetModel();
}

void TMessageListModel::Clear()
{
    SetRows({});
}
