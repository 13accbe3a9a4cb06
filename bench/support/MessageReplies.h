#pragma once

#include <QByteArray>
#include <QString>

// Replies of the messages request as a busy service writes them: {"items": [...]} with every member
// of a message, payloads of about 2 KB, XML and JSON mixed, accents included, some messages still
// pending (no identifier, dates or response). The same count always gives the same bytes.
QByteArray MessagesReply(int count);

// One payload of about `chars` characters (never more), for the viewer's payload page.
QString XmlPayload(int chars);
QString JsonPayload(int chars);
