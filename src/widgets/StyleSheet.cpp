#include "widgets/StyleSheet.h"

#include <QFile>

using namespace Qt::StringLiterals;

QString OrvelStyleSheet()
{
    QFile file(u":/styles/orvel.qss"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
