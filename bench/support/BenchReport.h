#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>

// One line of the results table: what was measured, its value, the baseline beside it, their ratio,
// the target and whether the value meets it. bench/run gathers the lines of every program into one
// table; anything else a program prints is kept out of the table.
struct BenchRow
{
    QString measure;
    QString value;
    QString baseline;
    QString ratio;
    QString target;
    QString verdict;  // "ok", "MISSED" or empty where there is no target
};

void PrintRow(const BenchRow &row);
// A note under the table (how something was measured).
void PrintNote(const QString &text);

QString Verdict(bool met);
QString Milliseconds(double ms);
QString Megabytes(qint64 bytes);
QString Ratio(double value);

double Median(QList<double> values);

// Milliseconds that `work` took, the median of `runs` runs.
template <typename Work>
double MedianMilliseconds(int runs, Work work)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}
