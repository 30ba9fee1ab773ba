#pragma once
// A small HTTP server on the loopback interface for the update-check tests:
// it answers every GET the way the test asks, and records the requests.

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <map>

namespace fg::test {

class LocalHttpServer {
public:
    enum class Answer {
        File,       // 200 with the body, then close
        NotFound,   // 404 with an HTML body
        Partial,    // 200 announcing far more than the body, which never comes
        Truncated,  // 200 announcing far more than the body, then close
        Silent,     // accept the connection and never answer
    };

    explicit LocalHttpServer(Answer answer, QByteArray body = {}) : m_answer(answer), m_body(std::move(body)) {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { accept(); });
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(m_server.serverPort())); }
    const QList<QByteArray>& requests() const { return m_requests; }

    // A loopback address where nothing listens.
    static QUrl unreachableUrl() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        return QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(port));
    }

private:
    void accept() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& pending = m_pending[socket];
        pending += socket->readAll();
        const qsizetype headEnd = pending.indexOf("\r\n\r\n");
        if (headEnd < 0) return;
        m_requests.append(pending.left(headEnd));
        pending.clear();
        switch (m_answer) {
        case Answer::File:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                          QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            break;
        case Answer::NotFound: {
            const QByteArray page = "<html><body>not here</body></html>";
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: " +
                          QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
            socket->disconnectFromHost();
            break;
        }
        case Answer::Partial:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1000000\r\n\r\n" + m_body);
            break;
        case Answer::Truncated:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1000000\r\n\r\n" + m_body);
            socket->disconnectFromHost();
            break;
        case Answer::Silent:
            break;
        }
    }

    QTcpServer m_server;
    Answer m_answer;
    QByteArray m_body;
    QList<QByteArray> m_requests;
    std::map<QTcpSocket*, QByteArray> m_pending;
};

}  // namespace fg::test
