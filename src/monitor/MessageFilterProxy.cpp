#include "monitor/MessageFilterProxy.h"

#include "monitor/MessageListModel.h"

TMessageFilterProxy::TMessageFilterProxy(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void TMessageFilterProxy::SetSearchText(const QString &text)
{
    const QString needle = text.trimmed();
    if (needle == m_needle)
        return;
    m_needle = needle;
    invalidateFilter();
}

bool TMessageFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_needle.isEmpty())
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    const auto contains = [&](int role) {
        return index.data(role).toString().contains(m_needle, Qt::CaseInsensitive);
    };
    return contains(TMessageListModel::TextRole) || contains(TMessageListModel::DetailRole);
}
