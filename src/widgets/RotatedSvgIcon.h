#pragma once

#include <QSvgRenderer>
#include <QWidget>

// An SVG picture fitted into the widget, keeping its proportions, and turned clockwise about its
// centre by `angle` degrees.
class RotatedSvgIcon final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    Q_PROPERTY(qreal angle READ angle WRITE setAngle NOTIFY angleChanged)

public:
    explicit RotatedSvgIcon(QWidget *parent = nullptr);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    qreal angle() const { return m_angle; }
    void setAngle(qreal degrees);

    QSize sizeHint() const override;

signals:
    void angleChanged(qreal degrees);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_renderer;
    QString m_fileName;
    qreal m_angle = 0;
};
