#pragma once

#include <QSize>
#include <QString>

// The status images (the image list shared by the message rows and the filter drawer) and the
// accessory marks, by message status index: 0 pending, 1 error, 2 success. Any other index has
// neither.
namespace StatusImages {

struct Picture
{
    QString resource; // empty: nothing to draw
    QSize size;       // natural size
};

Picture Status(int AImageIndex);
Picture Accessory(int AImageIndex);

} // namespace StatusImages
