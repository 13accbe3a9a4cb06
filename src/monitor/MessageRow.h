#pragma once

#include <QString>

// One row of the message list: the texts it shows and the key it keeps, copied out of the reply so
// that the row holds no reference into the table.
struct TMessageRow
{
    QString text;         // et_description
    QString detail;       // es_key
    QString detailtop;    // send date, ready for display
    QString responsedate; // response date, ready for display
    QString messageKey;   // em_id, never shown
    int imageIndex = -1;  // 0 pending, 1 error, 2 success; anything else shows no glyph and no accessory
};
