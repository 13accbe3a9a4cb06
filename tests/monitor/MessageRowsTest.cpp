#include "TestEnvironment.h"

#include "core/Exception.h"
#include "monitor/DisplayDateTime.h"
#include "monitor/MessageFilterProxy.h"
#include "monitor/MessageListModel.h"
#include "monitor/MessageRowDelegate.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TMessageRow Row(const QString &text, const QString &detail, int imageIndex = 2)
{
    TMessageRow row;
    row.text = text;
    row.detail = detail;
    row.detailtop = u"10/10/2020 13:00:00"_s;
    row.responsedate = u"10/10/2020 13:00:05"_s;
    row.messageKey = u"key-"_s + text;
    row.imageIndex = imageIndex;
    return row;
}

QStringList VisibleTexts(const QAbstractItemModel &model)
{
    QStringList texts;
    for (int i = 0; i < model.rowCount(); ++i)
        texts.append(model.index(i, 0).data(TMessageListModel::TextRole).toString());
    return texts;
}

} // namespace

class MessageRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        UseBrazilianLocaleAndZone();
    }

    void formatDisplayDateTime_isoText_showsUtcInLocaleFormat_data()
    {
        QTest::addColumn<QString>("iso");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty stays empty") << QString() << QString();
        QTest::newRow("utc with ms") << u"2020-10-10T13:45:30.123Z"_s << u"10/10/2020 13:45:30"_s;
        QTest::newRow("offset moved to utc") << u"2020-10-10T22:15:00-03:00"_s << u"11/10/2020 01:15:00"_s;
        QTest::newRow("positive offset, day before") << u"2020-10-10T01:00:00.000+02:00"_s << u"09/10/2020 23:00:00"_s;
        QTest::newRow("no offset is utc, not local") << u"2020-10-10T13:45:30"_s << u"10/10/2020 13:45:30"_s;
        QTest::newRow("no offset inside a local dst gap") << u"2018-11-04T00:30:00"_s << u"04/11/2018 00:30:00"_s;
        QTest::newRow("midnight has no time") << u"2020-10-10T00:00:00.000Z"_s << u"10/10/2020"_s;
        QTest::newRow("midnight after the offset") << u"2020-10-09T21:00:00-03:00"_s << u"10/10/2020"_s;
        QTest::newRow("a millisecond after midnight") << u"2020-10-10T00:00:00.001Z"_s << u"10/10/2020 00:00:00"_s;
        QTest::newRow("date only") << u"2020-10-10"_s << u"10/10/2020"_s;
    }
    void formatDisplayDateTime_isoText_showsUtcInLocaleFormat()
    {
        QFETCH(QString, iso);
        QFETCH(QString, shown);
        QCOMPARE(FormatDisplayDateTime(iso), shown);
    }

    void formatDisplayDateTime_notIso_raisesConvertError_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("local date form") << u"10/10/2020 13:45"_s;
        QTest::newRow("words") << u"ontem"_s;
        QTest::newRow("month 13") << u"2020-13-01T00:00:00Z"_s;
        QTest::newRow("hour 25") << u"2020-10-10T25:00:00"_s;
        QTest::newRow("blank") << u" "_s;
    }
    void formatDisplayDateTime_notIso_raisesConvertError()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(nivo::EConvertError, FormatDisplayDateTime(text));
    }

    void search_text_narrowsByDescriptionOrKeyIgnoringCase_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("visible");
        const QStringList all{u"Nota ABC"_s, u"Pedido"_s, u"Boleto"_s, u"Cadastro abc"_s};
        QTest::newRow("empty shows all") << QString() << all;
        QTest::newRow("blanks only show all") << u"   "_s << all;
        QTest::newRow("mixed case in text and key") << u"aBc"_s << QStringList{u"Nota ABC"_s, u"Pedido"_s, u"Cadastro abc"_s};
        QTest::newRow("trimmed before matching") << u"  boleto "_s << QStringList{u"Boleto"_s};
        QTest::newRow("dates and keys of the message are not searched") << u"2020"_s << QStringList{};
        QTest::newRow("no match") << u"zzz"_s << QStringList{};
    }
    void search_text_narrowsByDescriptionOrKeyIgnoringCase()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, visible);
        TMessageListModel rows;
        rows.SetRows({Row(u"Nota ABC"_s, u"NF-1"_s), Row(u"Pedido"_s, u"ped-AbC-7"_s), Row(u"Boleto"_s, u"B-9"_s),
                      Row(u"Cadastro abc"_s, u"C-2"_s)});
        TMessageFilterProxy proxy;
        proxy.setSourceModel(&rows);

        proxy.SetSearchText(search);

        QCOMPARE(VisibleTexts(proxy), visible);
        QCOMPARE(rows.rowCount(), 4);
    }

    void search_cleared_showsHiddenRowsAgain()
    {
        TMessageListModel rows;
        rows.SetRows({Row(u"Nota"_s, u"1"_s), Row(u"Pedido"_s, u"2"_s)});
        TMessageFilterProxy proxy;
        proxy.setSourceModel(&rows);
        proxy.SetSearchText(u"pedido"_s);
        QCOMPARE(proxy.rowCount(), 1);

        proxy.SetSearchText(QString());
        QCOMPARE(VisibleTexts(proxy), (QStringList{u"Nota"_s, u"Pedido"_s}));
    }

    void model_rolesCarryTheRowStylePartNames()
    {
        TMessageListModel rows;
        rows.SetRows({Row(u"Nota"_s, u"NF-1"_s, 0)});
        const QHash<int, QByteArray> names = rows.roleNames();
        const QModelIndex first = rows.index(0, 0);
        QCOMPARE(first.data(names.key("text")).toString(), u"Nota"_s);
        QCOMPARE(first.data(names.key("detail")).toString(), u"NF-1"_s);
        QCOMPARE(first.data(names.key("detailtop")).toString(), u"10/10/2020 13:00:00"_s);
        QCOMPARE(first.data(names.key("responsedate")).toString(), u"10/10/2020 13:00:05"_s);
        QCOMPARE(first.data(names.key("messageKey")).toString(), u"key-Nota"_s);
        QCOMPARE(first.data(names.key("imageIndex")).toInt(), 0);
    }

    // Index 3 has no status image and no accessory: those areas of the row stay plain card.
    void delegate_imageIndex_drawsGlyphAndAccessoryOnlyForKnownStatuses_data()
    {
        QTest::addColumn<int>("imageIndex");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("pending") << 0 << true;
        QTest::newRow("error") << 1 << true;
        QTest::newRow("success") << 2 << true;
        QTest::newRow("unknown") << 3 << false;
        QTest::newRow("negative") << -1 << false;
    }
    void delegate_imageIndex_drawsGlyphAndAccessoryOnlyForKnownStatuses()
    {
        QFETCH(int, imageIndex);
        QFETCH(bool, drawn);
        TMessageListModel rows;
        rows.SetRows({Row(QString(), QString(), imageIndex)});
        TMessageRowDelegate delegate;
        QImage image(600, TMessageRowDelegate::RowHeight, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.palette.setColor(QPalette::Text, Qt::black);
        {
            QPainter painter(&image);
            delegate.paint(&painter, option, rows.index(0, 0));
        }
        const auto plain = [&](const QRect &area) {
            const QRgb first = image.pixel(area.topLeft());
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (image.pixel(x, y) != first)
                        return false;
            return true;
        };
        const QRect glyph(10, 10, 95, 80);
        const QRect accessory(image.width() - 33, 10, 25, 80);
        QCOMPARE(!plain(glyph), drawn);
        QCOMPARE(!plain(accessory), drawn);
    }
};

QTEST_MAIN(MessageRowsTest)
#include "MessageRowsTest.moc"
