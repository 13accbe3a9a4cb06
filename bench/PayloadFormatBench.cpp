// Payload page: FormatMessageToMemo on 32 000-character XML and JSON payloads, the laying out alone
// against Qt's own re-indenting, and until the read-only memo shows them against showing the same
// text unformatted.
#include "BenchReport.h"
#include "MessageReplies.h"
#include "WatchingApplication.h"

#include "format/PayloadFormatter.h"
#include "monitor/OrvelForm.h"

#include <QFontDatabase>
#include <QJsonDocument>
#include <QPlainTextEdit>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int Runs = 7;
constexpr int PayloadChars = 32000;

QString QtXmlIndent(const QString &text)
{
    QString out;
    QXmlStreamReader reader(text);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isWhitespace())
            writer.writeCurrentToken(reader);
    }
    return out;
}

QString QtJsonIndent(const QString &text)
{
    return QString::fromUtf8(QJsonDocument::fromJson(text.toUtf8()).toJson(QJsonDocument::Indented));
}

// From the call until the memo has painted its new text.
double ShownMilliseconds(WatchingApplication &app, QPlainTextEdit &memo, const std::function<void()> &show)
{
    QList<double> times;
    for (int i = 0; i < Runs; ++i) {
        memo.clear();
        Idle(30);
        bool painted = false;
        QElapsedTimer timer;
        app.watch(PaintOf(memo.viewport()), [&] {
            times.append(double(timer.nsecsElapsed()) / 1e6);
            painted = true;
        });
        timer.start();
        show();
        if (!WaitUntil([&painted] { return painted; }, 5000)) {
            std::fprintf(stderr, "payload-format: the memo never painted\n");
            std::exit(1);
        }
    }
    return Median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    WatchingApplication app(argc, argv);
    QPlainTextEdit memo;
    memo.setReadOnly(true);
    memo.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo.resize(1000, 700);
    memo.show();
    Idle(100);

    struct Kind
    {
        QString name;
        QString payload;
        QString (*qtIndent)(const QString &);
    };
    const QList<Kind> kinds{{u"XML"_s, XmlPayload(PayloadChars), QtXmlIndent},
                            {u"JSON"_s, JsonPayload(PayloadChars), QtJsonIndent}};
    for (const Kind &kind : kinds) {
        const QString &payload = kind.payload;
        if (nivo::FormatPayload(payload) == payload) {
            std::fprintf(stderr, "payload-format: the %s payload was not laid out\n", qPrintable(kind.name));
            return 1;
        }
        const double formatMs = MedianMilliseconds(Runs, [&payload] { (void)nivo::FormatPayload(payload); });
        const double qtMs = MedianMilliseconds(Runs, [&] { (void)kind.qtIndent(payload); });
        PrintRow({u"5 FormatPayload %1 (%L2 chars)"_s.arg(kind.name).arg(payload.size()), Milliseconds(formatMs),
                  u"Qt re-indent "_s + Milliseconds(qtMs), Ratio(formatMs / qtMs), u"< 50 ms"_s,
                  Verdict(formatMs < 50)});

        const double shownMs =
            ShownMilliseconds(app, memo, [&] { TfrmOrvel::FormatMessageToMemo(&memo, payload); });
        const double plainMs = ShownMilliseconds(app, memo, [&] { memo.setPlainText(payload); });
        PrintRow({u"5 FormatMessageToMemo %1 → memo drawn"_s.arg(kind.name), Milliseconds(shownMs),
                  u"unformatted "_s + Milliseconds(plainMs), Ratio(shownMs / plainMs), u"< 50 ms"_s,
                  Verdict(shownMs < 50)});
    }
    return 0;
}
