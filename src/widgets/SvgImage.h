#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture drawn from an SVG file at the widget's size, crisp at any screen scale. It either keeps the
// picture's proportions (centred in the widget) or stretches it over the whole widget.
class SvgImage final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)

public:
    explicit SvgImage(QWidget *parent = nullptr);

    QString source() const { return m_source; }
    void setSource(const QString &source);
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

    // True when the file could be read as SVG.
    bool isValid() const;

signals:
    // A left-button click that was pressed and released over the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_source;
    QSvgRenderer *m_renderer;
    bool m_stretch = false;
    qreal m_opacity = 1.0;
    bool m_pressed = false;
};
