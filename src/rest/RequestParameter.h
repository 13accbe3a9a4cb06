#pragma once

#include <QList>
#include <QString>

namespace nivo {

// One name/value pair of a request, as text; it is percent-encoded only when it goes on the wire.
struct TRequestParameter
{
    QString name;
    QString value;

    friend bool operator==(const TRequestParameter &, const TRequestParameter &) = default;
};

// An ordered list of pairs: the parameters of a request, or its headers.
using TRequestParameterList = QList<TRequestParameter>;

} // namespace nivo
