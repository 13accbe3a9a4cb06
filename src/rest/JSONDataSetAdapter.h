#pragma once

#include <QByteArray>
#include <QString>

namespace nivo {

class TMemTable;

// Loads the body of a reply into ADataSet:
// - the body is read as text in ACharset (the reply's content-type charset; UTF-8 when empty or not
//   one that Qt knows, bytes that do not decode become U+FFFD) and parsed as JSON;
// - an empty body closes the table (not open, no rows); that is no error;
// - ARootElement, when not empty, names a member of the top-level object whose value is loaded;
//   otherwise the whole reply is;
// - an array gives one row per element in order (an element that is not an object gives a row of
//   NULLs), an object gives one row, null or a plain value gives none;
// - declared fields take the member of the same name (letter case ignored) or NULL, other members are
//   dropped; a table without declared fields gets one 255-wide field per member name (row by row,
//   each row's names in the parser's order, which sorts them), and stays not open when the rows have
//   no member at all;
// - a string gives its text, a number or a nested object or array its compact JSON text, true/false
//   their words, null NULL.
// Raises ERESTRequestError when the body is not JSON or lacks the root element; the table is then
// left as it was.
void LoadJSONToDataSet(const QByteArray &ABody, const QByteArray &ACharset, const QString &ARootElement,
                       TMemTable &ADataSet);

} // namespace nivo
