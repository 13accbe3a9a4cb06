#include "format/JsonFormatter.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace nivo {
namespace {

constexpr int IndentWidth = 4;

bool isJsonBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isStructural(QChar c)
{
    return c == u'{' || c == u'}' || c == u'[' || c == u']' || c == u',' || c == u':';
}

// Index just past the string literal opening at `quote`.
qsizetype pastString(QStringView text, qsizetype quote)
{
    qsizetype i = quote + 1;
    while (i < text.size() && text[i] != u'"')
        i += text[i] == u'\\' ? 2 : 1;
    return qMin(i + 1, text.size());
}

qsizetype skipBlanks(QStringView text, qsizetype i)
{
    while (i < text.size() && isJsonBlank(text[i]))
        ++i;
    return i;
}

void startLine(QString &out, int depth)
{
    out += u'\n';
    out += QString(depth * IndentWidth, u' ');
}

} // namespace

std::optional<QString> FormatJson(const QString &text)
{
    // Qt's parser decides what is JSON; the layout is done on the text itself, because a parsed
    // document sorts members by name, keeps one of duplicate names and rounds large integers.
    QJsonParseError error{};
    QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;

    const QStringView view(text);
    QString out;
    out.reserve(text.size() * 2);
    int depth = 0;
    qsizetype i = 0;
    while (i < view.size()) {
        const QChar c = view[i];
        if (isJsonBlank(c)) {
            ++i;
        } else if (c == u'{' || c == u'[') {
            out += c;
            const qsizetype next = skipBlanks(view, i + 1);
            if (view[next] == u'}' || view[next] == u']') {
                out += view[next];
                i = next + 1;
            } else {
                startLine(out, ++depth);
                i = next;
            }
        } else if (c == u'}' || c == u']') {
            startLine(out, --depth);
            out += c;
            ++i;
        } else if (c == u',') {
            out += c;
            startLine(out, depth);
            ++i;
        } else if (c == u':') {
            out += u": ";
            ++i;
        } else {
            const qsizetype start = i;
            if (c == u'"') {
                i = pastString(view, i);
            } else {
                while (i < view.size() && !isJsonBlank(view[i]) && !isStructural(view[i]))
                    ++i;
            }
            out += view.sliced(start, i - start);
        }
    }
    return out;
}

} // namespace nivo
