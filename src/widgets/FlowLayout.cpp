#include "widgets/FlowLayout.h"

#include <QWidget>

#include <algorithm>

namespace {

bool expands(const QLayoutItem *item)
{
    return item->expandingDirections().testFlag(Qt::Horizontal);
}

// The width an item asks for on a line: its preferred width, or its minimum when it fills the line.
int wantedWidth(const QLayoutItem *item)
{
    return expands(item) ? item->minimumSize().width() : item->sizeHint().width();
}

int heightAt(const QLayoutItem *item, int width)
{
    return item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
}

} // namespace

FlowLayout::FlowLayout(QWidget *parent)
    : QLayout(parent)
{
}

FlowLayout::~FlowLayout()
{
    qDeleteAll(m_items);
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int FlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return Qt::Horizontal;
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(QSize(wantedWidth(item), 0));
    const QMargins margins = contentsMargins();
    return size.grownBy(margins);
}

QSize FlowLayout::sizeHint() const
{
    int width = 0;
    for (const QLayoutItem *item : m_items)
        width += wantedWidth(item) + spacing();
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), heightForWidth(width));
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect &rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(spacing(), 0);
    int y = area.y();
    int index = 0;
    while (index < m_items.size()) {
        // Gather one line: at least one item, then as many as fit.
        QList<std::pair<QLayoutItem *, int>> line;
        int used = 0;
        for (; index < m_items.size(); ++index) {
            QLayoutItem *item = m_items[index];
            if (item->isEmpty())
                continue;
            const int width = std::min(wantedWidth(item), area.width());
            const int start = line.isEmpty() ? 0 : used + gap;
            if (!line.isEmpty() && start + width > area.width())
                break;
            line.append({item, width});
            used = start + width;
            if (expands(item)) {
                line.last().second += area.width() - used;
                used = area.width();
                ++index;
                break;
            }
        }
        int lineHeight = 0;
        for (const auto &[item, width] : line)
            lineHeight = std::max(lineHeight, heightAt(item, width));
        if (apply) {
            int x = area.x();
            for (const auto &[item, width] : line) {
                item->setGeometry(QRect(x, y, width, heightAt(item, width)));
                x += width + gap;
            }
        }
        if (!line.isEmpty())
            y += lineHeight + gap;
    }
    const QMargins margins = contentsMargins();
    return std::max(y - gap - area.y(), 0) + margins.top() + margins.bottom();
}
