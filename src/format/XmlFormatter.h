#pragma once

#include <QString>

#include <optional>

namespace nivo {

// Re-indents well-formed XML, one element per line, four spaces a level. Every piece of markup and
// text is copied as written (declaration, DTD, prefixes, attribute order and quotes, comments,
// CDATA, processing instructions, entity and character references); only the blank text between
// the children of an element that holds no other text is replaced by the layout. An element holding
// text of its own (a leaf, or mixed content) is copied whole, since its blanks may be meaningful.
// Nothing when the text is not well-formed XML.
std::optional<QString> FormatXml(const QString &text);

} // namespace nivo
