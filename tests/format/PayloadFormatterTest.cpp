#include "format/PayloadFormatter.h"

#include <QTest>

using namespace Qt::StringLiterals;
using nivo::FormatPayload;

// The slots are defined below the class: moc cannot read raw strings that hold quotes.
class PayloadFormatterTest : public QObject
{
    Q_OBJECT

private slots:
    void formatPayload_xmlOrJson_isLaidOutKeepingWhatItHolds_data();
    void formatPayload_xmlOrJson_isLaidOutKeepingWhatItHolds();
    void formatPayload_neitherXmlNorJsonStructure_isShownAsItCame_data();
    void formatPayload_neitherXmlNorJsonStructure_isShownAsItCame();
};

void PayloadFormatterTest::formatPayload_xmlOrJson_isLaidOutKeepingWhatItHolds_data()
{
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QString>("shown");

    QTest::newRow("one-line JSON object") << uR"({"zeta":1,"alfa":[{"sku":"A-1","qtd":2.50},"B\"2"],)"
                                             uR"("obs":"a, b: {c} [d]","vazio":{},"lista":[ ],)"
                                             uR"("id":12345678901234567890,"texto":"caf\u00e9","ok":true,"nada":null})"_s
                                          << uR"({
    "zeta": 1,
    "alfa": [
        {
            "sku": "A-1",
            "qtd": 2.50
        },
        "B\"2"
    ],
    "obs": "a, b: {c} [d]",
    "vazio": {},
    "lista": [],
    "id": 12345678901234567890,
    "texto": "caf\u00e9",
    "ok": true,
    "nada": null
})"_s;
    QTest::newRow("JSON with duplicate names") << uR"({"a":1,"a":2})"_s << u"{\n    \"a\": 1,\n    \"a\": 2\n}"_s;
    QTest::newRow("JSON array laid out otherwise")
        << u"\r\n[\t1 ,\r\n  {\"a\" :\n[]}]  \n"_s << u"[\n    1,\n    {\n        \"a\": []\n    }\n]"_s;

    QTest::newRow("XML document") << uR"(<?xml version="1.0" encoding="ISO-8859-1" standalone='no'?>)"
                                     uR"(<!DOCTYPE soap:Envelope [<!ENTITY co "Cia &amp; Filhos">]><!-- enviado pelo EAI -->)"
                                     uR"(<soap:Envelope xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/" xmlns="urn:pedidos" versao='2' id="7">)"
                                     uR"(<soap:Body><?audit lote="12"?><pedido><cliente>&co; Ltda &#8211; "SP"</cliente>)"
                                     uR"(<obs><![CDATA[<b>urgente</b> & frágil]]></obs><vazio/><linha>Total: <b>3</b> itens</linha>)"
                                     uR"(</pedido></soap:Body></soap:Envelope><?fim?>)"_s
                                  << uR"(<?xml version="1.0" encoding="ISO-8859-1" standalone='no'?>
<!DOCTYPE soap:Envelope [<!ENTITY co "Cia &amp; Filhos">]>
<!-- enviado pelo EAI -->
<soap:Envelope xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/" xmlns="urn:pedidos" versao='2' id="7">
    <soap:Body>
        <?audit lote="12"?>
        <pedido>
            <cliente>&co; Ltda &#8211; "SP"</cliente>
            <obs><![CDATA[<b>urgente</b> & frágil]]></obs>
            <vazio/>
            <linha>Total: <b>3</b> itens</linha>
        </pedido>
    </soap:Body>
</soap:Envelope>
<?fim?>)"_s;
    QTest::newRow("XML laid out otherwise") << u"\r\n<r>\r\n\t<a>1</a>\r\n\t<!-- c -->  <b/>\r\n</r>\r\n"_s
                                            << u"<r>\n    <a>1</a>\n    <!-- c -->\n    <b/>\n</r>"_s;
    // Blanks are only dropped between the children of an element that holds no text of its own.
    QTest::newRow("XML blanks") << u"<r><a>  </a><b> x </b><c></c><p><i>x</i> <i>y</i></p><q>\n <i>z</i>.</q></r>"_s
                                << u"<r>\n    <a>  </a>\n    <b> x </b>\n    <c></c>\n    <p>\n        <i>x</i>\n"
                                   u"        <i>y</i>\n    </p>\n    <q>\n <i>z</i>.</q>\n</r>"_s;
    QTest::newRow("XML with '>' in a DTD and in attributes")
        << uR"(<!DOCTYPE r [<!ENTITY e "a>b"><!-- ] > --><!ATTLIST r x CDATA '>'>]><r><a href="x/>y"/><b t="/"></b></r>)"_s
        << uR"(<!DOCTYPE r [<!ENTITY e "a>b"><!-- ] > --><!ATTLIST r x CDATA '>'>]>
<r>
    <a href="x/>y"/>
    <b t="/"></b>
</r>)"_s;
    QTest::newRow("XML element with an undeclared prefix") << u"<ns:pedido><ns:id>1</ns:id></ns:pedido>"_s
                                                           << u"<ns:pedido>\n    <ns:id>1</ns:id>\n</ns:pedido>"_s;
}

void PayloadFormatterTest::formatPayload_xmlOrJson_isLaidOutKeepingWhatItHolds()
{
    QFETCH(QString, payload);
    QFETCH(QString, shown);
    QCOMPARE(FormatPayload(payload), shown);
    QCOMPARE(FormatPayload(shown), shown);
}

void PayloadFormatterTest::formatPayload_neitherXmlNorJsonStructure_isShownAsItCame_data()
{
    QTest::addColumn<QString>("payload");
    QTest::newRow("empty") << QString();
    QTest::newRow("server error line") << u"HTTP 500 Internal Server Error"_s;
    QTest::newRow("blanks") << u" \n\t "_s;
    QTest::newRow("unclosed element") << u"<a>"_s;
    QTest::newRow("crossed elements") << u"<a><b>x</a></b>"_s;
    QTest::newRow("two roots") << u"<a/>\n<b/>"_s;
    QTest::newRow("JSON with a trailing comma") << u"{\"a\":1,}"_s;
    QTest::newRow("JSON number") << u" 42 "_s;
    QTest::newRow("JSON string") << u"\"x\""_s;
}

void PayloadFormatterTest::formatPayload_neitherXmlNorJsonStructure_isShownAsItCame()
{
    QFETCH(QString, payload);
    QCOMPARE(FormatPayload(payload), payload);
}

QTEST_GUILESS_MAIN(PayloadFormatterTest)
#include "PayloadFormatterTest.moc"
