#pragma once
// A tiny HTTP server on 127.0.0.1: every request gets the same answer, or no answer at all.

#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace corvane::testing {

class LoopbackHttpServer {
public:
    LoopbackHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->peek(socket->bytesAvailable());  // kept until complete
                    if (!request.contains("\r\n\r\n")) return;
                    socket->readAll();
                    paths_ << QString::fromLatin1(request.split(' ').value(1));
                    if (silent_) return;  // the connection stays open and nothing comes back
                    socket->write("HTTP/1.1 " + QByteArray::number(status_) + " Status\r\nContent-Length: " +
                                  QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
                    socket->disconnectFromHost();
                });
            }
        });
    }

    void answer(int status, QByteArray body) { status_ = status; body_ = std::move(body); silent_ = false; }
    void stayQuiet() { silent_ = true; }
    QUrl baseUrl() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/updates/").arg(server_.serverPort())); }
    const QStringList& requestedPaths() const { return paths_; }

private:
    QTcpServer server_;
    QStringList paths_;
    int status_ = 200;
    QByteArray body_;
    bool silent_ = false;
};

}  // namespace corvane::testing
