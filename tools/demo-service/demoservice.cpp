#include "demoservice.h"

#include "tracking/catalogue.h"
#include "tracking/trackingrequest.h"
#include "tracking/updatecheck.h"

#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QStringEncoder>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using Step = QPair<QString, QString>; // time, progress

// Room for a megabyte of Chinese characters in the address, which the tests send.
constexpr qsizetype maxRequestHead = 16 * 1024 * 1024;
constexpr qint64 hugeLength = 50 * 1024 * 1024;
constexpr qsizetype hugeChunk = 64 * 1024;
// The growing parcel has at most this many steps, then starts over from its first two.
constexpr int growingStepsMost = 50;

const QString signedNumber = QStringLiteral("1234567890");
const QString transitNumber = QStringLiteral("5550001111");
// Numbers whose shape Quillon recognises, to try its suggestions with: they carry the parcel in transit.
const QStringList shapedNumbers{QStringLiteral("SF1234567890123"), QStringLiteral("YT1234567890123"),
                                QStringLiteral("EA123456785CN"), QStringLiteral("75123456789012"),
                                QStringLiteral("431234567890123")};
const QString growingNumber = QStringLiteral("7770001");

struct NamedBehaviour {
    const char *name;
    DemoService::Behaviour behaviour;
};

constexpr NamedBehaviour namedBehaviours[] = {
    {"normal", DemoService::Behaviour::Normal},   {"hang", DemoService::Behaviour::Hang},
    {"drip", DemoService::Behaviour::Drip},       {"cut", DemoService::Behaviour::Cut},
    {"e404", DemoService::Behaviour::NotFound},   {"e500", DemoService::Behaviour::ServerError},
    {"huge", DemoService::Behaviour::Huge},       {"empty", DemoService::Behaviour::Empty},
    {"gbk", DemoService::Behaviour::Gbk},         {"redirect", DemoService::Behaviour::Redirect},
    {"moved", DemoService::Behaviour::MovedLoop}, {"maintenance", DemoService::Behaviour::Maintenance},
};

} // namespace

std::optional<DemoService::Behaviour> DemoService::behaviourNamed(QStringView name)
{
    for (const NamedBehaviour &named : namedBehaviours) {
        if (name == QLatin1String(named.name))
            return named.behaviour;
    }
    return std::nullopt;
}

namespace {

bool supportedCompany(const QString &code)
{
    for (int i = 0; i < Catalogue::count(); ++i) {
        if (Catalogue::code(i) == code)
            return true;
    }
    return false;
}

QString table(const QList<Step> &steps)
{
    QString html = QStringLiteral("<table class=\"result\">");
    for (const Step &step : steps)
        html += QStringLiteral("<tr><td>") + step.first + QStringLiteral("</td><td>") + step.second +
                QStringLiteral("</td></tr>");
    return html + QStringLiteral("</table>");
}

// Oldest step first, as the service lists them.
QList<Step> builtInSteps(const QString &number)
{
    if (number == signedNumber)
        return {
            {u"2026-11-25 18:40:11"_s, u"【广州市白云区】快件已揽收，揽收员：陈师傅"_s},
            {u"2026-11-25 22:03:47"_s, u"【广州市白云区】快件已发往【广州转运中心】"_s},
            {u"2026-11-26 01:15:30"_s, u"快件已到达【广州转运中心】"_s},
            {u"2026-11-26 02:48:09"_s, u"快件已从【广州转运中心】发出，下一站【上海转运中心】"_s},
            {u"2026-11-27 19:22:56"_s, u"快件已到达【上海转运中心】"_s},
            {u"2026-11-28 07:31:40"_s, u"【上海市浦东新区】快件已到达【浦东张江营业部】"_s},
            {u"2026-11-28 09:12:05"_s, u"【上海市浦东新区】已签收，签收人：前台代收，感谢使用"_s},
        };
    if (number == u"9876543210"_s)
        return {
            {u"2026-11-26 10:05:12"_s, u"【成都市武侯区】快件已揽收，揽收员：李师傅"_s},
            {u"2026-11-26 16:40:33"_s, u"快件已从【成都转运中心】发出，下一站【北京转运中心】"_s},
            {u"2026-11-28 05:18:27"_s, u"快件已到达【北京转运中心】"_s},
            {u"2026-11-28 08:02:51"_s, u"【北京市朝阳区】派件中，派件员：王师傅，电话：13800138000"_s},
        };
    if (number == transitNumber)
        return {
            {u"2026-11-27 14:26:08"_s, u"【杭州市余杭区】快件已揽收，揽收员：周师傅"_s},
            {u"2026-11-27 20:51:44"_s, u"快件已从【杭州转运中心】发出，下一站【武汉转运中心】"_s},
            {u"2026-11-28 06:37:19"_s, u"快件已到达【武汉转运中心】"_s},
        };
    if (number == u"1122334455"_s)
        return {
            {u"2026-11-27 09:00:00"_s, u"【深圳市南山区】<b>加急</b>快件已揽收"_s},
            {u"2026-11-27 11:45:21"_s, u"快件已从【深圳转运中心】发出 <img src=x>"_s},
            {u"2026-11-28 08:30:02"_s, u"快件已到达【厦门转运中心】<i>请留意</i>"_s},
        };
    return {};
}

QByteArray errorPage(int status, const char *title, const char *text)
{
    return "<html><head><title>" + QByteArray::number(status) + ' ' + title + "</title></head><body><h1>" +
           title + "</h1><p>" + text + "</p></body></html>";
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 500:
        return "Internal Server Error";
    default:
        return "Unknown";
    }
}

QByteArray toGbk(const QByteArray &utf8)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        encoder = QStringEncoder("GB18030"); // a superset that encodes the same Chinese text identically
    return encoder(QString::fromUtf8(utf8));
}

// NUL bytes where a reader of text meets them: at the start of every text run between tags, or,
// in a body without tags, after its first character (so the rest still decodes).
QByteArray withNulBytes(const QByteArray &body)
{
    QByteArray out;
    out.reserve(body.size() + body.size() / 8 + 1);
    bool markup = false;
    for (qsizetype i = 0; i < body.size(); ++i) {
        out += body.at(i);
        if (body.at(i) == '>') {
            markup = true;
            if (i + 1 < body.size() && body.at(i + 1) != '<')
                out += '\0';
        }
    }
    if (markup || body.isEmpty())
        return out;
    qsizetype second = 1;
    while (second < body.size() && (static_cast<unsigned char>(body.at(second)) & 0xC0) == 0x80)
        ++second; // a UTF-8 continuation byte
    return body.left(second) + '\0' + body.mid(second);
}

// The outlet page: a title row, then one caption cell and one value cell per row. The padding of
// each value cell's opening tag puts its value at the character the dialog starts reading from
// (20 after the "td", the last one 21); values must hold neither "td" nor "</" to arrive whole.
QString outletTable(const QStringList &values)
{
    static const QString captions[6] = {u"网点名称"_s, u"负责人"_s,   u"所属分公司"_s,
                                        u"联系电话"_s, u"派送范围"_s, u"不派送范围"_s};
    static const char *const valueTags[6] = {"<td class=\"v\" id=\"nm\">", "<td class=\"v\" id=\"mg\">",
                                             "<td class=\"v\" id=\"co\">", "<td class=\"v\" id=\"tl\">",
                                             "<td class=\"v\" id=\"ar\">", "<td class=\"v\" id=\"nar\">"};
    QString html = u"<html><head><title>申通快递 网点查询</title>"
                   u"<style>td{border:1px solid #999;padding:2px 6px}</style></head><body>"
                   u"<table class=\"outlet\"><tr><td class=\"title\" colspan=\"2\">网点查询结果</td></tr>"_s;
    for (int i = 0; i < 6; ++i)
        html += u"<tr><td class=\"k\">"_s + captions[i] + u"</td>"_s + QLatin1String(valueTags[i]) +
                values.value(i) + u"</td></tr>"_s;
    return html + u"</table></body></html>"_s;
}

// A delivery area far longer than the dialog's label.
QString longDeliveryArea()
{
    static const QString roads[] = {u"莘庄镇"_s, u"七宝镇"_s, u"梅陇镇"_s, u"虹桥镇"_s,     u"华漕镇"_s,
                                    u"颛桥镇"_s, u"吴泾镇"_s, u"浦江镇"_s, u"古美路街道"_s, u"江川路街道"_s};
    QStringList parts;
    for (const QString &road : roads)
        parts << road + u"全境（含各工业园区、住宅小区及沿街商铺，单号1至999号、双号2至1000号）"_s;
    return parts.join(u'、');
}

} // namespace

DemoService::DemoService(QObject *parent)
    : QObject(parent), m_server(new QTcpServer(this)),
      m_updateAnswer(UpdateCheck::currentVersion().toLatin1()), m_start(QDateTime::currentDateTime())
{
    connect(m_server, &QTcpServer::newConnection, this, &DemoService::onNewConnection);
}

DemoService::~DemoService()
{
    // Hanging connections end with the service, and none may call back into it while it goes.
    const auto sockets = m_server->findChildren<QTcpSocket *>(Qt::FindDirectChildrenOnly);
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        socket->abort();
    }
}

quint16 DemoService::listen(quint16 port)
{
    m_server->close();
    if (!m_server->listen(QHostAddress::LocalHost, port))
        return 0;
    return m_server->serverPort();
}

quint16 DemoService::port() const
{
    return m_server->isListening() ? m_server->serverPort() : 0;
}

QString DemoService::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

void DemoService::setUpdateAnswer(const QByteArray &content)
{
    m_updateAnswer = content;
}

void DemoService::setUpdateBehaviour(Behaviour behaviour)
{
    m_updateBehaviour = behaviour;
}

void DemoService::setTrackingBehaviour(Behaviour behaviour)
{
    m_trackingBehaviour = behaviour;
}

void DemoService::setOutletBehaviour(Behaviour behaviour)
{
    m_outletBehaviour = behaviour;
}

void DemoService::setTrackingAnswer(const QString &number, const QString &answer)
{
    m_fixedAnswers.insert(number, answer);
}

void DemoService::setOutletAnswer(const QString &name, const QStringList &values)
{
    m_fixedOutlets.insert(name, values);
}

void DemoService::setDripInterval(int ms)
{
    m_dripMs = qMax(1, ms);
}

void DemoService::setStartTime(const QDateTime &start)
{
    m_start = start;
}

QByteArray DemoService::lastRequestTarget() const
{
    return m_lastTarget;
}

int DemoService::requestCount() const
{
    return m_requestCount;
}

QString DemoService::trackingAnswer(const QString &companyCode, const QString &number) const
{
    if (const auto fixed = m_fixedAnswers.constFind(number); fixed != m_fixedAnswers.constEnd())
        return *fixed;
    if (!supportedCompany(companyCode))
        return u"<p>系统提示：不支持的快递公司</p>"_s;
    // A number that picks a misbehaviour carries the signed parcel, so its text is known.
    if (behaviourNamed(number))
        return table(builtInSteps(signedNumber));
    if (number == growingNumber)
        return growingParcelAnswer();
    if (shapedNumbers.contains(number))
        return table(builtInSteps(transitNumber));
    if (const QList<Step> steps = builtInSteps(number); !steps.isEmpty())
        return table(steps);
    if (number == u"000"_s)
        return u"<p>系统提示：单号格式错误，请核对后重新输入</p>"_s;
    if (number == u"404404"_s)
        return u"<html><body><p>查询结果：该单号不存在</p></body></html>"_s;
    if (number == u"8880001"_s)
        return u"<p>暂无记录</p>"_s;
    return u"<p>该单号暂无物流进展或者不存在</p>"_s;
}

QString DemoService::answerFor(const QString &key, const QString &companyCode, const QString &number) const
{
    if (key != QLatin1String(TrackingRequest::accessKey))
        return u"<p>访问密钥无效</p>"_s;
    return trackingAnswer(companyCode, number);
}

QString DemoService::growingParcelAnswer() const
{
    static const QString hubs[] = {u"杭州"_s, u"嘉兴"_s, u"苏州"_s, u"南京"_s, u"合肥"_s,
                                   u"武汉"_s, u"长沙"_s, u"南昌"_s, u"福州"_s, u"厦门"_s};
    constexpr qsizetype hubCount = sizeof(hubs) / sizeof(hubs[0]);

    // One round grows from 2 steps to the most, a step a minute; the next round starts over, so
    // the parcel keeps changing for as long as the service runs.
    constexpr qint64 roundMinutes = growingStepsMost - 2 + 1;
    const qint64 minutes = qMax<qint64>(0, m_start.secsTo(QDateTime::currentDateTime()) / 60);
    const QDateTime roundStart = m_start.addSecs(60 * (minutes - minutes % roundMinutes));
    const int count = int(2 + minutes % roundMinutes);

    QList<Step> steps;
    for (int i = 0; i < count; ++i) {
        // Step i is dated (i - 1) minutes after the round's start, so each new one appears when its
        // time comes.
        const QString time = roundStart.addSecs(60 * (i - 1)).toString(u"yyyy-MM-dd HH:mm:ss"_s);
        QString progress;
        if (i == 0) {
            progress = u"【杭州市余杭区】快件已揽收，揽收员：周师傅"_s;
        } else if (i == 1) {
            progress = u"【杭州市余杭区】快件已发往【杭州转运中心】"_s;
        } else {
            const qsizetype hub = (i - 2) / 2;
            const QString here = hubs[hub % hubCount];
            if ((i - 2) % 2 == 0)
                progress = u"快件已到达【"_s + here + u"转运中心】"_s;
            else
                progress = u"快件已从【"_s + here + u"转运中心】发出，下一站【"_s +
                           hubs[(hub + 1) % hubCount] + u"转运中心】"_s;
        }
        steps.append({time, progress});
    }
    return table(steps);
}

QString DemoService::outletPage(const QString &name) const
{
    if (const auto fixed = m_fixedOutlets.constFind(name); fixed != m_fixedOutlets.constEnd())
        return outletTable(*fixed);
    if (name == u"浦东"_s)
        return outletTable({u"浦东张江营业部"_s, u"张伟"_s, u"申通快递上海浦东分公司"_s, u"021-58951234"_s,
                            u"张江镇、川沙新镇、唐镇"_s, u"合庆镇、曹路镇"_s});
    if (name == u"长区"_s)
        return outletTable({u"闵行莘庄营业部"_s, u"刘洋"_s, u"申通快递上海闵行分公司"_s, u"021-64921177"_s,
                            longDeliveryArea(), u"马桥镇"_s});
    if (name == u"标记"_s)
        return outletTable({u"<b>王</b>家营业部"_s, u"<a href=x>李强"_s, u"<i>申通</i>"_s,
                            u"<img src=x>0571-88001122"_s, u"<script>alert(1)</script>"_s, u"&lt;无&gt;"_s});
    if (name == u"外企"_s)
        return outletTable({u"外高桥营业部"_s, u"Eastwind Ltd"_s, u"申通快递上海浦东分公司"_s,
                            u"021-50461234"_s, u"外高桥保税区"_s, u"高东镇"_s});
    // The page answers an unknown name with its table and no outlet in it.
    return outletTable({{}, {}, {}, {}, {}, {}});
}

void DemoService::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        m_pending.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void DemoService::onReadyRead(QTcpSocket *socket)
{
    const auto pending = m_pending.find(socket);
    if (pending == m_pending.end()) {
        socket->readAll(); // one request per connection; later bytes are dropped
        return;
    }
    pending->append(socket->readAll());

    qsizetype headEnd = pending->indexOf("\r\n\r\n");
    if (headEnd < 0)
        headEnd = pending->indexOf("\n\n");
    if (headEnd < 0) {
        if (pending->size() > maxRequestHead) {
            m_pending.erase(pending);
            writeWhole(socket, 400, "text/html; charset=utf-8",
                       errorPage(400, "Bad Request", "Request too long."));
        }
        return;
    }
    const QByteArray head = pending->left(headEnd);
    m_pending.erase(pending);

    const qsizetype lineEnd = head.indexOf('\n');
    const QByteArray requestLine = (lineEnd < 0 ? head : head.left(lineEnd)).trimmed();
    const QList<QByteArray> parts = requestLine.split(' ');
    if (parts.size() != 3 || !parts.at(1).startsWith('/') || !parts.at(2).startsWith("HTTP/1.")) {
        writeWhole(socket, 400, "text/html; charset=utf-8",
                   errorPage(400, "Bad Request", "Malformed request."));
        return;
    }
    if (parts.at(0) != "GET") {
        writeWhole(socket, 405, "text/html; charset=utf-8",
                   errorPage(405, "Method Not Allowed", "Only GET is served."), "Allow: GET\r\n");
        return;
    }
    respond(socket, parts.at(1));
}

void DemoService::respond(QTcpSocket *socket, const QByteArray &target)
{
    m_lastTarget = target;
    ++m_requestCount;

    const qsizetype mark = target.indexOf('?');
    const QByteArray query = mark < 0 ? QByteArray() : target.mid(mark + 1);
    const QString path = QUrl::fromPercentEncoding(mark < 0 ? target : target.left(mark));

    if (path == u"/"_s) {
        respondTracking(socket, target, query);
    } else if (path == u"/orvoupd/zephyr/jc.txt"_s) {
        deliver(socket, m_updateBehaviour, m_updateAnswer, "text/plain", target);
    } else if (path == u"/query_list.asp"_s) {
        const QString name =
            QUrlQuery(QString::fromUtf8(query)).queryItemValue(u"name"_s, QUrl::FullyDecoded);
        deliver(socket, m_outletBehaviour, outletPage(name).toUtf8(), "text/html; charset=utf-8", target);
    } else if (path == u"/forum/"_s || path == u"/forum"_s) {
        writeWhole(socket, 200, "text/html; charset=utf-8",
                   u"<html><head><title>Quillon 论坛</title></head><body><h1>Quillon 论坛</h1>"
                   u"<p>欢迎交流使用心得。</p></body></html>"_s.toUtf8());
    } else {
        deliver(socket, Behaviour::NotFound, {}, {}, target);
    }
}

void DemoService::respondTracking(QTcpSocket *socket, const QByteArray &target, const QByteArray &query)
{
    const QUrlQuery items(QString::fromUtf8(query));
    const auto item = [&items](const QString &key) { return items.queryItemValue(key, QUrl::FullyDecoded); };
    const QString number = item(u"nu"_s);

    Behaviour behaviour = m_trackingBehaviour;
    if (behaviour == Behaviour::Normal && !m_fixedAnswers.contains(number))
        behaviour = behaviourNamed(number).value_or(Behaviour::Normal);

    deliver(socket, behaviour, answerFor(item(u"id"_s), item(u"com"_s), number).toUtf8(),
            "text/html; charset=utf-8", target);
}

void DemoService::deliver(QTcpSocket *socket, Behaviour behaviour, const QByteArray &body,
                          const QByteArray &contentType, const QByteArray &target)
{
    switch (behaviour) {
    case Behaviour::Normal:
        writeWhole(socket, 200, contentType, body);
        break;
    case Behaviour::Hang:
        break; // the socket stays open until the client leaves or the service goes
    case Behaviour::Drip:
        drip(socket, contentType, body);
        break;
    case Behaviour::Cut:
        cut(socket, contentType, body);
        break;
    case Behaviour::NotFound:
        writeWhole(socket, 404, "text/html; charset=utf-8",
                   errorPage(404, "Not Found", "The requested address was not found on this server."));
        break;
    case Behaviour::ServerError:
        writeWhole(socket, 500, "text/html; charset=utf-8",
                   errorPage(500, "Internal Server Error", "The server could not complete the request."));
        break;
    case Behaviour::Huge:
        streamHuge(socket);
        break;
    case Behaviour::Empty:
        writeWhole(socket, 200, contentType, {});
        break;
    case Behaviour::Gbk:
        writeWhole(socket, 200, contentType.split(';').constFirst().trimmed(), toGbk(body));
        break;
    case Behaviour::Redirect:
        writeWhole(socket, 302, "text/html; charset=utf-8", errorPage(302, "Found", "Moved."),
                   "Location: " + target + "\r\n");
        break;
    case Behaviour::MovedLoop:
        writeWhole(socket, 301, "text/html; charset=utf-8", errorPage(301, "Moved Permanently", "Moved."),
                   "Location: " + target + "\r\n");
        break;
    case Behaviour::NulBytes:
        writeWhole(socket, 200, contentType, withNulBytes(body));
        break;
    case Behaviour::Maintenance:
        writeWhole(socket, 200, "text/html; charset=utf-8",
                   u"<html><body><p>系统维护中，请稍后再试</p></body></html>"_s.toUtf8());
        break;
    }
}

void DemoService::writeHead(QTcpSocket *socket, int status, const QByteArray &contentType, qint64 length,
                            const QByteArray &extraHeaders)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    if (!contentType.isEmpty())
        head += "Content-Type: " + contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    head += extraHeaders;
    head += "Connection: close\r\n\r\n";
    socket->write(head);
}

void DemoService::writeWhole(QTcpSocket *socket, int status, const QByteArray &contentType,
                             const QByteArray &body, const QByteArray &extraHeaders)
{
    writeHead(socket, status, contentType, body.size(), extraHeaders);
    socket->write(body);
    socket->disconnectFromHost(); // closes once the buffer is written
}

void DemoService::drip(QTcpSocket *socket, const QByteArray &contentType, const QByteArray &body)
{
    writeHead(socket, 200, contentType, body.size());
    if (body.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    auto *timer = new QTimer(socket); // dies with the connection
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
        if (socket->state() != QAbstractSocket::ConnectedState) {
            timer->stop();
            return;
        }
        socket->write(body.mid(*sent, 1));
        if (++*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    connect(socket, &QTcpSocket::disconnected, timer, &QTimer::stop);
    timer->start(m_dripMs);
}

void DemoService::cut(QTcpSocket *socket, const QByteArray &contentType, const QByteArray &body)
{
    writeHead(socket, 200, contentType, body.size());
    socket->write(body.left(body.size() / 2));
    // abort() drops unwritten data, so the half must be out before the connection is dropped.
    socket->flush();
    if (socket->bytesToWrite() == 0) {
        socket->abort();
        return;
    }
    connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
        if (socket->bytesToWrite() == 0)
            socket->abort();
    });
}

void DemoService::streamHuge(QTcpSocket *socket)
{
    writeHead(socket, 200, "text/html; charset=utf-8", hugeLength);

    QByteArray chunk;
    chunk.reserve(hugeChunk);
    const QByteArray line = "<p>Quillon demo service: a very long answer.</p>\n";
    while (chunk.size() + line.size() <= hugeChunk)
        chunk += line;
    chunk += QByteArray(hugeChunk - chunk.size(), '\n');

    // Only a couple of chunks are ever buffered; the rest is made as the client reads.
    auto remaining = std::make_shared<qint64>(hugeLength);
    const auto pump = [socket, remaining, chunk] {
        if (socket->state() != QAbstractSocket::ConnectedState || *remaining <= 0)
            return;
        while (*remaining > 0 && socket->bytesToWrite() < 2 * hugeChunk) {
            const qint64 size = qMin<qint64>(*remaining, chunk.size());
            socket->write(chunk.constData(), size);
            *remaining -= size;
        }
        if (*remaining == 0)
            socket->disconnectFromHost();
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, pump);
    pump();
}
