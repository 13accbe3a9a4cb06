#include "format/PayloadFormatter.h"

#include "format/JsonFormatter.h"
#include "format/XmlFormatter.h"

namespace nivo {

QString FormatPayload(const QString &text)
{
    if (std::optional<QString> xml = FormatXml(text))
        return *std::move(xml);
    if (std::optional<QString> json = FormatJson(text))
        return *std::move(json);
    return text;
}

} // namespace nivo
