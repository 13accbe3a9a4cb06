#pragma once

#include <QString>

namespace nivo {

// What the key holds until a sign-in succeeds; every sign-in request carries it.
inline constexpr char16_t KeyAuthenticationPlaceholder[] = u"0";

// The authentication key, one for the whole process: the placeholder at start, then the value that a
// successful sign-in returned, sent with every request. Any thread may call these; they are guarded.
QString KeyAuthentication();
void SetKeyAuthentication(const QString &AValue);

} // namespace nivo
