#pragma once

// A web server on 127.0.0.1 that answers each connection's request with the next reply it is
// given; it serves while the test's event loop runs.
#include <QByteArrayList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

inline const QByteArray kHold = "\nHOLD"; // at the end of a reply: the connection stays open

// An HTTP reply that closes the connection; a negative length: no Content-Length.
inline QByteArray Reply(const QByteArray &status, const QByteArray &headers = {}, const QByteArray &body = {}, qint64 length = -2)
{
    const qint64 told = length == -2 ? body.size() : length;
    return "HTTP/1.1 " + status + "\r\nConnection: close\r\n" + headers
           + (told >= 0 ? "Content-Length: " + QByteArray::number(told) + "\r\n" : QByteArray()) + "\r\n" + body;
}

struct Server {
    QTcpServer tcp;
    QByteArrayList replies, requests;
    Server()
    {
        tcp.listen(QHostAddress::LocalHost);
        QObject::connect(&tcp, &QTcpServer::newConnection, &tcp, [this] {
            while (QTcpSocket *s = tcp.nextPendingConnection())
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->setProperty("got", s->property("got").toByteArray() + s->readAll());
                    const QByteArray got = s->property("got").toByteArray();
                    if (!got.contains("\r\n\r\n") || s->property("done").toBool())
                        return;
                    s->setProperty("done", true);
                    requests << got;
                    QByteArray reply = replies.isEmpty() ? Reply("500 Nothing left") : replies.takeFirst();
                    const bool hold = reply.endsWith(kHold);
                    s->write(hold ? reply.chopped(kHold.size()) : reply);
                    if (!hold)
                        s->disconnectFromHost();
                });
        });
    }
    QUrl Url(const char *path) const { return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(tcp.serverPort()).arg(path)); }
};
