#include "DemoData.h"
#include "DemoService.h"
#include "LoopbackHttpServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
int Fail(const QString &message, int code)
{
    std::fprintf(stderr, "nivo-demo-service: %s\n", message.toLocal8Bit().constData());
    return code;
}

// A fresh key each start, with the characters that the wire encodes ("+", "/", "=").
QByteArray NewKey()
{
    QByteArray bytes(20, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return bytes.toBase64();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"nivo-demo-service"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Serviço de monitoramento de demonstração, em 127.0.0.1."_s);
    parser.addHelpOption();
    const QCommandLineOption portOption(u"port"_s, u"Porta em que atender (0: uma livre)."_s, u"N"_s, u"8080"_s);
    const QCommandLineOption dataOption(u"data"_s, u"Arquivo JSON com os dados de demonstração."_s, u"FILE"_s,
                                        u":/demo-data.json"_s);
    parser.addOption(portOption);
    parser.addOption(dataOption);
    parser.process(app);

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535)
        return Fail(u"porta inválida: %1"_s.arg(parser.value(portOption)), 2);

    QString error;
    std::optional<DemoData> data = DemoData::load(parser.value(dataOption), &error);
    if (!data)
        return Fail(error, 1);
    data->moveDatesTo(QDate::currentDate());
    const QString user = data->userName;
    const QString password = data->password;

    DemoService service(std::move(*data), NewKey());
    LoopbackHttpServer server([&service](const HttpRequest &request) { return service.handle(request); });
    if (!server.listen(quint16(port)))
        return Fail(u"não foi possível atender na porta %1: %2"_s.arg(port).arg(server.errorString()), 1);

    std::printf("host=127.0.0.1 port=%u user=%s password=%s\n", unsigned(server.port()), user.toUtf8().constData(),
                password.toUtf8().constData());
    std::fflush(stdout);
    return QCoreApplication::exec();
}
