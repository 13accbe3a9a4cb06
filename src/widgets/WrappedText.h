#pragma once

#include <QWidget>

// A plain text that wraps at word boundaries, and inside a word only when the word alone is wider
// than the line (an address, a long key), so no part of the value is ever cut off. Left- and
// top-aligned; its height follows its width.
class WrappedText final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit WrappedText(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Lays the text out in `width`; draws it when a painter is given. Returns the height used.
    int layOut(int width, class QPainter *painter = nullptr) const;

    QString m_text;
};
