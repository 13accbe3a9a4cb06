#include "core/Exception.h"

namespace nivo {

Exception::Exception(const QString &message)
    : m_message(message)
    , m_utf8(message.toUtf8())
{
}

} // namespace nivo
