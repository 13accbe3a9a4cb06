#pragma once

#include <QSortFilterProxyModel>

// Narrows the loaded message rows by the search text without removing them: a row stays when the
// trimmed text is empty or found, in any letter case, in its description or its pendency key.
class TMessageFilterProxy final : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMessageFilterProxy)

public:
    explicit TMessageFilterProxy(QObject *parent = nullptr);

    void SetSearchText(const QString &text);
    const QString &SearchText() const { return m_needle; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_needle;
};
