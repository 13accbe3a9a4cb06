#include "format/XmlFormatter.h"

#include <QList>
#include <QXmlStreamReader>

namespace nivo {
namespace {

constexpr int IndentWidth = 4;

struct Piece
{
    enum Kind { Text, CData, StartTag, EndTag, EmptyTag, Other };
    Kind kind;
    QStringView raw;
};

bool isXmlBlank(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            return false;
    }
    return true;
}

bool isWellFormed(const QString &text)
{
    QXmlStreamReader reader(text);
    // Undeclared prefixes are allowed: payloads are often elements cut out of a larger document.
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

// Index just past `close`, searched from `from`; the end of the text if it is not there.
qsizetype pastNext(QStringView text, qsizetype from, QStringView close)
{
    const qsizetype at = text.indexOf(close, from);
    return at < 0 ? text.size() : at + close.size();
}

qsizetype pastQuoted(QStringView text, qsizetype quote)
{
    return pastNext(text, quote + 1, text.sliced(quote, 1));
}

// A document type declaration ends at the first '>' outside its internal subset, quoted literals,
// comments and processing instructions.
qsizetype pastDoctype(QStringView text, qsizetype from)
{
    int subsetDepth = 0;
    qsizetype i = from + 2;
    while (i < text.size()) {
        const QStringView rest = text.sliced(i);
        const QChar c = text[i];
        if (c == u'"' || c == u'\'') {
            i = pastQuoted(text, i);
        } else if (rest.startsWith(u"<!--")) {
            i = pastNext(text, i + 4, u"-->");
        } else if (rest.startsWith(u"<?")) {
            i = pastNext(text, i + 2, u"?>");
        } else if (c == u'>' && subsetDepth == 0) {
            return i + 1;
        } else {
            subsetDepth += c == u'[' ? 1 : c == u']' ? -1 : 0;
            ++i;
        }
    }
    return i;
}

// A start tag ends at the first '>' outside its quoted attribute values.
qsizetype pastTag(QStringView text, qsizetype from)
{
    qsizetype i = from + 1;
    while (i < text.size() && text[i] != u'>')
        i = (text[i] == u'"' || text[i] == u'\'') ? pastQuoted(text, i) : i + 1;
    return qMin(i + 1, text.size());
}

// Splits text already known to be well-formed into its pieces of markup and character data.
QList<Piece> split(QStringView text)
{
    QList<Piece> pieces;
    qsizetype i = 0;
    while (i < text.size()) {
        const QStringView rest = text.sliced(i);
        Piece::Kind kind = Piece::Other;
        qsizetype end = 0;
        if (text[i] != u'<') {
            end = text.indexOf(u'<', i);
            if (end < 0)
                end = text.size();
            kind = Piece::Text;
        } else if (rest.startsWith(u"<!--")) {
            end = pastNext(text, i + 4, u"-->");
        } else if (rest.startsWith(u"<![CDATA[")) {
            end = pastNext(text, i + 9, u"]]>");
            kind = Piece::CData;
        } else if (rest.startsWith(u"<?")) {
            end = pastNext(text, i + 2, u"?>");
        } else if (rest.startsWith(u"<!")) {
            end = pastDoctype(text, i);
        } else if (rest.startsWith(u"</")) {
            end = pastNext(text, i, u">");
            kind = Piece::EndTag;
        } else {
            end = pastTag(text, i);
            kind = text[end - 2] == u'/' ? Piece::EmptyTag : Piece::StartTag;
        }
        pieces.append({kind, text.sliced(i, end - i)});
        i = end;
    }
    return pieces;
}

// For each start tag, whether its element holds only child markup and blanks, and so may be laid out.
QList<bool> layableElements(const QList<Piece> &pieces)
{
    struct Open
    {
        qsizetype piece;
        bool hasMarkup = false;
        bool hasText = false;
    };
    QList<bool> layable(pieces.size(), false);
    QList<Open> open;
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        const Piece &piece = pieces[k];
        switch (piece.kind) {
        case Piece::Text:
        case Piece::CData:
            if (!open.isEmpty() && (piece.kind == Piece::CData || !isXmlBlank(piece.raw)))
                open.last().hasText = true;
            break;
        case Piece::StartTag:
            if (!open.isEmpty())
                open.last().hasMarkup = true;
            open.append(Open{k});
            break;
        case Piece::EndTag: {
            const Open element = open.takeLast();
            layable[element.piece] = element.hasMarkup && !element.hasText;
            break;
        }
        case Piece::EmptyTag:
        case Piece::Other:
            if (!open.isEmpty())
                open.last().hasMarkup = true;
            break;
        }
    }
    return layable;
}

void startLine(QString &out, int depth)
{
    if (!out.isEmpty())
        out += u'\n';
    out += QString(depth * IndentWidth, u' ');
}

} // namespace

std::optional<QString> FormatXml(const QString &text)
{
    if (text.isEmpty() || !isWellFormed(text))
        return std::nullopt;

    const QList<Piece> pieces = split(text);
    const QList<bool> layable = layableElements(pieces);
    QString out;
    out.reserve(text.size() + text.size() / 2);
    int depth = 0;
    int copiedDepth = 0; // open elements inside one that is copied whole
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        const Piece &piece = pieces[k];
        if (copiedDepth > 0) {
            out += piece.raw;
            if (piece.kind == Piece::StartTag)
                ++copiedDepth;
            else if (piece.kind == Piece::EndTag)
                --copiedDepth;
            continue;
        }
        switch (piece.kind) {
        case Piece::Text:
        case Piece::CData:
            // Outside the elements copied whole there are only blanks, which the layout replaces.
            break;
        case Piece::StartTag:
            startLine(out, depth);
            out += piece.raw;
            if (layable[k])
                ++depth;
            else
                copiedDepth = 1;
            break;
        case Piece::EndTag:
            startLine(out, --depth);
            out += piece.raw;
            break;
        case Piece::EmptyTag:
        case Piece::Other:
            startLine(out, depth);
            out += piece.raw;
            break;
        }
    }
    return out;
}

} // namespace nivo
