#pragma once
// Reading the version file: a short text on the maker's web server that
// holds the newest version. One GET that bypasses every cache, with a
// deadline for the whole exchange; only the first bytes count.

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <memory>
#include <string>

class QNetworkReply;

namespace fg::app {

inline constexpr qint64 kVersionFileMaxBytes = 10;
inline constexpr std::chrono::milliseconds kVersionFileTimeout{3000};

struct VersionFetch {
    // False when the file could not be read: no network, no server, an HTTP
    // error status, the deadline passed, or nothing but blanks in it.
    bool reached = false;
    // The first line of the first kVersionFileMaxBytes bytes, without
    // surrounding blanks, so that a file saved with a line end still
    // compares equal to the version it names.
    std::string version;

    bool operator==(const VersionFetch&) const = default;

    static VersionFetch failed() { return {}; }
    static VersionFetch of(const QByteArray& firstBytes);
};

class VersionFileReader : public QObject {
    Q_OBJECT
public:
    explicit VersionFileReader(QObject* parent = nullptr);
    ~VersionFileReader() override;

    // Starts reading; finished() follows once, never from within start().
    // A read still running is abandoned and reports nothing.
    void start(const QUrl& address, std::chrono::milliseconds timeout = kVersionFileTimeout);
    bool running() const { return m_reply != nullptr; }

signals:
    void finished(const fg::app::VersionFetch& result);

private:
    struct LaterDeleter {
        void operator()(QNetworkReply* reply) const;
    };

    void readAvailable();
    void replyFinished();
    void finish(const VersionFetch& result);
    void dropReply();

    QNetworkAccessManager m_network;
    std::unique_ptr<QNetworkReply, LaterDeleter> m_reply;
    QTimer m_deadline;
    QByteArray m_bytes;
};

// Reads the version file and waits for the answer in a local event loop
// (at start-up the main window does not exist yet).
VersionFetch readVersionFile(const QUrl& address, std::chrono::milliseconds timeout = kVersionFileTimeout);

}  // namespace fg::app
