#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QTcpServer;
class QTcpSocket;

// A small local stand-in for the tracking service, the update server and the outlet page,
// speaking plain HTTP/1.1 on loopback. It can also misbehave on request, so that the
// program's failure handling is tested against real sockets.
class DemoService : public QObject {
    Q_OBJECT
public:
    // How an answer is delivered.
    enum class Behaviour {
        Normal,      // the answer, at once
        Hang,        // accept the request and never answer
        Drip,        // headers at once, then the body one byte per drip interval
        Cut,         // headers announce the full length, half the body is sent, then the connection drops
        NotFound,    // 404 with an HTML error page
        ServerError, // 500 with an HTML error page
        Huge,        // 200 with a 50 MB body
        Empty,       // 200 with an empty body
        Gbk,         // the answer encoded in GBK, Content-Type without a charset
        Redirect,    // 302 to the same address, for ever
        MovedLoop,   // 301 to the same address, for ever
        NulBytes,    // NUL bytes at the start of every text run of markup, else after the first character
        Maintenance, // 200 with the service's maintenance notice, a page without steps or error words
    };

    // By name: normal, hang, drip, cut, e404, e500, huge, empty, gbk, redirect, moved, maintenance. A
    // tracking query for a number that is one of these names is answered that way.
    static std::optional<Behaviour> behaviourNamed(QStringView name);

    explicit DemoService(QObject *parent = nullptr);
    ~DemoService() override;

    // Listens on 127.0.0.1; port 0 picks a free one. Returns the port, or 0 on failure.
    quint16 listen(quint16 port = 0);
    quint16 port() const;
    QString hostAndPort() const; // "127.0.0.1:port"

    // The update file's content (default: the program's own version) and how it is delivered.
    void setUpdateAnswer(const QByteArray &content);
    void setUpdateBehaviour(Behaviour behaviour);
    // How every tracking answer is delivered, whatever the number (default Normal:
    // then the number itself may still pick a misbehaviour, see the README of the service).
    void setTrackingBehaviour(Behaviour behaviour);
    void setOutletBehaviour(Behaviour behaviour);
    // A fixed tracking answer for one number (UTF-8 text), overriding the built-in parcels.
    void setTrackingAnswer(const QString &number, const QString &answer);
    // Fixed values for one outlet name (the six cells, in page order), overriding the built-in outlets.
    void setOutletAnswer(const QString &name, const QStringList &values);
    // The interval between two bytes of a Drip answer (default 1000 ms).
    void setDripInterval(int ms);
    // Where the growing parcel's clock starts (default: the service's start): 2 steps then, one more
    // every minute up to 50, then 2 again.
    void setStartTime(const QDateTime &start);

    // The last request's path and query, as received (percent-encoded).
    QByteArray lastRequestTarget() const;
    int requestCount() const;

    // The tracking answer the service gives for a company code and number (Normal delivery).
    QString trackingAnswer(const QString &companyCode, const QString &number) const;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const QByteArray &target);

    void respondTracking(QTcpSocket *socket, const QByteArray &target, const QByteArray &query);
    QString answerFor(const QString &key, const QString &companyCode, const QString &number) const;
    QString growingParcelAnswer() const;
    QString outletPage(const QString &name) const;
    void deliver(QTcpSocket *socket, Behaviour behaviour, const QByteArray &body,
                 const QByteArray &contentType, const QByteArray &target);
    void writeHead(QTcpSocket *socket, int status, const QByteArray &contentType, qint64 length,
                   const QByteArray &extraHeaders = {});
    void writeWhole(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body,
                    const QByteArray &extraHeaders = {});
    void drip(QTcpSocket *socket, const QByteArray &contentType, const QByteArray &body);
    void cut(QTcpSocket *socket, const QByteArray &contentType, const QByteArray &body);
    void streamHuge(QTcpSocket *socket);

    QTcpServer *m_server;
    QByteArray m_updateAnswer;
    Behaviour m_updateBehaviour = Behaviour::Normal;
    Behaviour m_trackingBehaviour = Behaviour::Normal;
    Behaviour m_outletBehaviour = Behaviour::Normal;
    QHash<QString, QString> m_fixedAnswers;
    QHash<QString, QStringList> m_fixedOutlets;
    int m_dripMs = 1000;
    QDateTime m_start;
    QByteArray m_lastTarget;
    int m_requestCount = 0;
    // Request bytes received so far, per connection still waiting for its blank line.
    QHash<QTcpSocket *, QByteArray> m_pending;
};
