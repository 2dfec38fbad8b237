#pragma once
// A tiny HTTP server on 127.0.0.1: every request gets the same answer (but those redirected), or no
// answer at all.

#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <map>

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
                    const auto redirect = redirects_.find(paths_.back());
                    const bool redirected = redirect != redirects_.end();
                    const QByteArray body = redirected ? QByteArray() : body_;
                    socket->write("HTTP/1.1 " + QByteArray::number(redirected ? 302 : status_) + " Status\r\n" +
                                  (redirected ? "Location: " + redirect->second.toUtf8() + "\r\n" : QByteArray()) +
                                  "Content-Length: " + QByteArray::number(body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
    }

    void answer(int status, QByteArray body) {
        status_ = status;
        body_ = std::move(body);
        silent_ = false;
    }
    void stayQuiet() { silent_ = true; }
    // A request for `path` is answered with a 302 to `location` instead.
    void redirect(const QString& path, const QString& location) { redirects_[path] = location; }
    quint16 port() const { return server_.serverPort(); }
    QUrl baseUrl() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/updates/").arg(server_.serverPort())); }
    const QStringList& requestedPaths() const { return paths_; }

private:
    QTcpServer server_;
    QStringList paths_;
    std::map<QString, QString> redirects_;
    int status_ = 200;
    QByteArray body_;
    bool silent_ = false;
};

}  // namespace corvane::testing
