#pragma once

#include <QByteArray>
#include <QString>

namespace nivo {

class TMemTable;

// Loads the body of a reply into ADataSet:
// - the body is read as text in ACharset (the reply's content-type charset; UTF-8 when empty or not
//   one that Qt knows, bytes that do not decode become U+FFFD) and parsed as JSON;
// - an empty body closes the table (not open, no rows); that is no error;
// - ARootElement, when not empty, names a member of the top-level object whose value becomes the
//   rows (TMemTable::LoadJSON); otherwise the whole reply does.
// Raises ERESTRequestError when the body is not JSON or lacks the root element; the table is then
// left as it was.
void LoadJSONToDataSet(const QByteArray &ABody, const QByteArray &ACharset, const QString &ARootElement,
                       TMemTable &ADataSet);

} // namespace nivo
