#pragma once

#include <QString>

namespace nivo {

// The service address as typed on the sign-in screen, one for the whole process: empty at start, set by
// the sign-in work, read by every later request. Any thread may call these; they are guarded.
QString IpHost();
void SetIpHost(const QString &AValue);
QString Port();
void SetPort(const QString &AValue);

// The base address of every request: "http://" + IpHost + ":" + Port + "/api/nivo", with nothing
// trimmed, checked or encoded. A request's address is this followed by its path (MonitorApi.h).
QString GetBaseUrl();

} // namespace nivo
