#include "BenchReport.h"

#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
void PrintLine(const QString &line)
{
    // Each line whole and at once, so lines of programs run side by side never mix.
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
} // namespace

void PrintRow(const BenchRow &row)
{
    PrintLine(QStringList{u"ROW"_s, row.measure, row.value, row.baseline, row.ratio, row.target, row.verdict}
                  .join(u'\t'));
}

void PrintNote(const QString &text)
{
    PrintLine(u"NOTE\t"_s + text);
}

QString Verdict(bool met)
{
    return met ? u"ok"_s : u"MISSED"_s;
}

QString Milliseconds(double ms)
{
    return ms < 10 ? u"%1 ms"_s.arg(ms, 0, 'f', 2) : u"%1 ms"_s.arg(ms, 0, 'f', 0);
}

QString Megabytes(qint64 bytes)
{
    return u"%1 MB"_s.arg(double(bytes) / (1024.0 * 1024.0), 0, 'f', 1);
}

QString Ratio(double value)
{
    return u"%1×"_s.arg(value, 0, 'f', 2);
}

double Median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}
