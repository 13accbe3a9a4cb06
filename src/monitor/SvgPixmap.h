#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The picture of an SVG resource drawn at a logical size for a device pixel ratio, kept in the
// process's pixmap cache so that painting a row costs no SVG rendering.
QPixmap SvgPixmap(const QString &resource, QSize logicalSize, qreal devicePixelRatio);

// The natural size shrunk, keeping its proportions, until it fits within area; never enlarged.
QSize FitWithin(QSize natural, QSize area);
