#pragma once
// A tiny HTTP server on 127.0.0.1 for the version check tests: every request gets the same answer,
// or no answer at all.

#include <QByteArray>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace corvane::testing {

class LoopbackHttpServer {
public:
    LoopbackHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    }

    void answer(int status, QByteArray body) {
        status_ = status;
        body_ = std::move(body);
        silent_ = false;
    }
    void stayQuiet() { silent_ = true; }

    bool listening() const { return server_.isListening(); }
    QUrl baseUrl() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/updates/").arg(server_.serverPort()));
    }
    const QStringList& requestedPaths() const { return paths_; }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        paths_ << QString::fromLatin1(request.split(' ').value(1));
        if (silent_) return;  // the connection stays open and nothing comes back
        QByteArray head = "HTTP/1.1 " + QByteArray::number(status_) + " Status\r\nContent-Type: text/plain\r\n"
                          "Content-Length: " + QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n";
        socket->write(head + body_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> pending_;
    QStringList paths_;
    int status_ = 200;
    QByteArray body_;
    bool silent_ = false;
};

}  // namespace corvane::testing
