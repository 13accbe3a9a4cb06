#include "core/Exception.h"
#include "rest/JSONDataSetAdapter.h"
#include "rest/MemTable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace nivo;

namespace {
TMemTable Loaded(TMemTable table, const QByteArray &json, const QString &root = QString())
{
    LoadJSONToDataSet(json, QByteArray(), root, table);
    return table;
}

QStringList Column(TMemTable &table, const QString &field)
{
    QStringList values;
    for (table.First(); !table.Eof(); table.Next())
        values.append(table.FieldByName(field).IsNull() ? u"NULL"_s : table.FieldAsString(field));
    return values;
}
} // namespace

class MemTableTest : public QObject
{
    Q_OBJECT

private slots:
    void load_memberValue_givesText_data()
    {
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNull");

        QTest::newRow("string") << R"("v": "Pedido 12")"_ba << u"Pedido 12"_s << false;
        QTest::newRow("empty string") << R"("v": "")"_ba << QString() << false;
        QTest::newRow("escapes") << "\"v\": \"a\\\"b\\u00e7\""_ba << u"a\"bç"_s << false;
        QTest::newRow("integer") << R"("v": 2)"_ba << u"2"_s << false;
        QTest::newRow("negative integer") << R"("v": -17)"_ba << u"-17"_s << false;
        QTest::newRow("large integer") << R"("v": 12345678901234567)"_ba << u"12345678901234567"_s << false;
        QTest::newRow("fraction") << R"("v": 1.50)"_ba << u"1.5"_s << false;
        QTest::newRow("exponent") << R"("v": 2.5e-7)"_ba << u"2.5e-07"_s << false;
        QTest::newRow("object") << R"("v": {"b": [1, "x"], "c": null})"_ba << uR"({"b":[1,"x"],"c":null})"_s << false;
        QTest::newRow("array") << R"("v": [ ])"_ba << u"[]"_s << false;
        QTest::newRow("true") << R"("v": true)"_ba << u"true"_s << false;
        QTest::newRow("null") << R"("v": null)"_ba << QString() << true;
        QTest::newRow("missing member") << R"("w": "x")"_ba << QString() << true;
    }
    void load_memberValue_givesText()
    {
        QFETCH(QByteArray, member);
        QFETCH(QString, text);
        QFETCH(bool, isNull);

        TMemTable table = Loaded(TMemTable({{u"v"_s, 255}}), "{" + member + "}");
        QVERIFY(table.Active());
        QCOMPARE(table.RecordCount(), 1);
        QCOMPARE(table.FieldAsString(u"v"_s), text);
        QCOMPARE(table.FieldByName(u"v"_s).IsNull(), isNull);
    }

    void load_declaredFields_takeTheirMembersOnly()
    {
        TMemTable table = Loaded(TMemTable({{u"value"_s, 8000}, {u"eea_name"_s, 255}}),
                                 R"({"items": [{"VALUE": "k", "extra": "x"}, {"eea_name": "n"}]})", u"items"_s);
        QCOMPARE(table.Fields(), (QList<TFieldDef>{{u"value"_s, 8000}, {u"eea_name"_s, 255}}));
        QCOMPARE(Column(table, u"value"_s), (QStringList{u"k"_s, u"NULL"_s}));
        QCOMPARE(Column(table, u"eea_name"_s), (QStringList{u"NULL"_s, u"n"_s}));
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, table.FieldByName(u"extra"_s));
    }

    void load_replyFields_oneForEachMemberName()
    {
        TMemTable table = Loaded(TMemTable(), R"([{"b": 1, "a": 2}, {"c": 3, "A": 4}])");
        QCOMPARE(table.Fields(), (QList<TFieldDef>{{u"a"_s, 255}, {u"b"_s, 255}, {u"c"_s, 255}}));
        QCOMPARE(Column(table, u"b"_s), (QStringList{u"1"_s, u"NULL"_s}));
        QCOMPARE(Column(table, u"A"_s), (QStringList{u"2"_s, u"4"_s}));
        QCOMPARE(Column(table, u"c"_s), (QStringList{u"NULL"_s, u"3"_s}));

        // The next reply brings its own fields.
        LoadJSONToDataSet(R"({"z": "1"})", QByteArray(), QString(), table);
        QCOMPARE(table.Fields(), (QList<TFieldDef>{{u"z"_s, 255}}));
    }

    void load_longValue_isCutToTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");

        QTest::newRow("longer") << 8 << u"0123456789"_s << u"01234567"_s;
        QTest::newRow("exactly the width") << 10 << u"0123456789"_s << u"0123456789"_s;
        QTest::newRow("reply field, 300 characters") << 0 << QString(300, u'x') << QString(255, u'x');
        QTest::newRow("character outside the basic plane") << 3 << u"ab\U0001F600"_s << u"ab"_s;
    }
    void load_longValue_isCutToTheWidth()
    {
        QFETCH(int, width);
        QFETCH(QString, value);
        QFETCH(QString, stored);

        TMemTable table = width > 0 ? TMemTable({{u"v"_s, width}}) : TMemTable();
        const QByteArray json = "{\"v\": \"" + value.toUtf8() + "\"}";
        table = Loaded(table, json);
        QCOMPARE(table.FieldAsString(u"v"_s), stored);
    }

    void fieldByName_ignoresLetterCase_unknownRaises()
    {
        TMemTable table = Loaded(TMemTable(), R"({"eea_Name": "Alfa"})");
        QCOMPARE(table.FieldByName(u"EEA_NAME"_s).FieldName(), u"eea_Name"_s);
        QCOMPARE(table.FieldAsString(u"eea_name"_s), u"Alfa"_s);
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, table.FieldByName(u"eea_id"_s));
    }

    void asInteger_readsIntegersOnly_data()
    {
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");

        QTest::newRow("number") << R"("imageIndex": 2)"_ba << true << 2;
        QTest::newRow("text") << R"("imageIndex": "0")"_ba << true << 0;
        QTest::newRow("negative") << R"("imageIndex": "-3")"_ba << true << -3;
        QTest::newRow("empty") << R"("imageIndex": "")"_ba << false << 0;
        QTest::newRow("null") << R"("imageIndex": null)"_ba << false << 0;
        QTest::newRow("letters") << R"("imageIndex": "dois")"_ba << false << 0;
        QTest::newRow("fraction") << R"("imageIndex": 2.5)"_ba << false << 0;
    }
    void asInteger_readsIntegersOnly()
    {
        QFETCH(QByteArray, member);
        QFETCH(bool, valid);
        QFETCH(int, value);

        const TMemTable table = Loaded(TMemTable({{u"imageIndex"_s, 255}}), "{" + member + "}");
        if (valid)
            QCOMPARE(table.FieldByName(u"imageIndex"_s).AsInteger(), value);
        else
            QVERIFY_THROWS_EXCEPTION(EConvertError, table.FieldByName(u"imageIndex"_s).AsInteger());
    }

    void navigation_walksEveryRowOnce()
    {
        TMemTable table = Loaded(TMemTable(), R"([{"n": "1"}, {"n": "2"}, {"n": "3"}])");
        QCOMPARE(table.FieldAsString(u"n"_s), u"1"_s);
        QCOMPARE(Column(table, u"n"_s), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
        QVERIFY(table.Eof());
        table.Next();
        QVERIFY(table.Eof());
        QVERIFY(table.FieldByName(u"n"_s).IsNull());

        TMemTable empty = Loaded(TMemTable({{u"n"_s, 255}}), "[]");
        QVERIFY(empty.Active());
        QVERIFY(empty.Eof());
        QCOMPARE(empty.FieldAsString(u"n"_s), QString());
    }

    void locate_findsFirstMatch_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("ignoreCase");
        QTest::addColumn<int>("row");  // -1: none, the current row stays

        QTest::newRow("exact") << u"ALFA"_s << false << 1;
        QTest::newRow("ignoring case finds the first") << u"alfa"_s << true << 0;
        QTest::newRow("case differs") << u"alfa"_s << false << -1;
        QTest::newRow("accented, ignoring case") << u"ÉPSILON"_s << true << 3;
        QTest::newRow("empty key matches no NULL") << QString() << false << -1;
        QTest::newRow("part of a value") << u"Alf"_s << true << -1;
    }
    void locate_findsFirstMatch()
    {
        QFETCH(QString, value);
        QFETCH(bool, ignoreCase);
        QFETCH(int, row);

        TMemTable table = Loaded(TMemTable(), R"([{"eea_name": "Alfa", "eea_id": "0"}, {"eea_name": "ALFA", "eea_id": "1"},
                                                  {"eea_id": "2"}, {"eea_name": "épsilon", "eea_id": "3"}])");
        table.Next();
        table.Next();
        const bool found = table.Locate(u"EEA_NAME"_s, value, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
        QCOMPARE(found, row >= 0);
        QCOMPARE(table.FieldAsString(u"eea_id"_s), QString::number(row >= 0 ? row : 2));
    }

    void close_keepsDeclaredFieldsOnly()
    {
        TMemTable declared = Loaded(TMemTable({{u"value"_s, 8000}}), R"({"value": "k"})");
        declared.Close();
        QVERIFY(!declared.Active());
        QCOMPARE(declared.FieldAsString(u"value"_s), QString());

        TMemTable fromReply = Loaded(TMemTable(), R"({"value": "k"})");
        fromReply.Close();
        QVERIFY(fromReply.Fields().isEmpty());
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, fromReply.FieldByName(u"value"_s));
    }
};

QTEST_GUILESS_MAIN(MemTableTest)
#include "MemTableTest.moc"
