#include "app/VersionFile.h"

#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "app/Version.h"

namespace fg::app {
namespace {

// The proxies the user configured for the system (http_proxy, no_proxy).
class SystemProxies : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

bool isHttpError(const QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() && (status.toInt() < 200 || status.toInt() >= 300);
}

QByteArray userAgent() {
    const std::string_view version = versionText();
    return QByteArray("Fulgrane3D/") + QByteArray(version.data(), static_cast<qsizetype>(version.size()));
}

}  // namespace

VersionFetch VersionFetch::of(const QByteArray& firstBytes) {
    QByteArray text = firstBytes.left(kVersionFileMaxBytes);
    const qsizetype lineEnd = text.indexOf('\n');
    if (lineEnd >= 0) text.truncate(lineEnd);
    text = text.trimmed();
    if (text.isEmpty()) return failed();
    return VersionFetch{true, text.toStdString()};
}

void VersionFileReader::LaterDeleter::operator()(QNetworkReply* reply) const {
    // The reply may be the sender of the signal being handled.
    reply->deleteLater();
}

VersionFileReader::VersionFileReader(QObject* parent) : QObject(parent) {
    // The manager takes ownership of the factory.
    m_network.setProxyFactory(std::make_unique<SystemProxies>().release());
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    connect(&m_deadline, &QTimer::timeout, this, [this] { finish(VersionFetch::failed()); });
}

VersionFileReader::~VersionFileReader() { dropReply(); }

void VersionFileReader::start(const QUrl& address, std::chrono::milliseconds timeout) {
    dropReply();
    m_bytes.clear();

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    m_reply.reset(m_network.get(request));
    connect(m_reply.get(), &QNetworkReply::readyRead, this, &VersionFileReader::readAvailable);
    connect(m_reply.get(), &QNetworkReply::finished, this, &VersionFileReader::replyFinished);
    m_deadline.start(timeout);
}

void VersionFileReader::readAvailable() {
    if (!m_reply) return;
    if (isHttpError(*m_reply)) {
        finish(VersionFetch::failed());
        return;
    }
    m_bytes += m_reply->read(kVersionFileMaxBytes - m_bytes.size());
    // Enough read: the rest of a long file is never downloaded.
    if (m_bytes.size() >= kVersionFileMaxBytes) finish(VersionFetch::of(m_bytes));
}

void VersionFileReader::replyFinished() {
    if (!m_reply) return;
    if (m_reply->error() != QNetworkReply::NoError || isHttpError(*m_reply)) {
        finish(VersionFetch::failed());
        return;
    }
    m_bytes += m_reply->read(kVersionFileMaxBytes - m_bytes.size());
    // Fewer than ten bytes means all that came was read; a connection closed
    // before the announced length is a broken transfer, not a short file.
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && m_bytes.size() < length.toLongLong()) {
        finish(VersionFetch::failed());
        return;
    }
    finish(VersionFetch::of(m_bytes));
}

void VersionFileReader::finish(const VersionFetch& result) {
    dropReply();
    emit finished(result);
}

void VersionFileReader::dropReply() {
    m_deadline.stop();
    if (!m_reply) return;
    // Disconnect first: abort() emits finished() synchronously.
    m_reply->disconnect(this);
    m_reply->abort();
    m_reply.reset();
}

VersionFetch readVersionFile(const QUrl& address, std::chrono::milliseconds timeout) {
    VersionFileReader reader;
    QEventLoop loop;
    VersionFetch result;
    QObject::connect(&reader, &VersionFileReader::finished, &loop, [&](const VersionFetch& fetched) {
        result = fetched;
        loop.quit();
    });
    reader.start(address, timeout);
    loop.exec();
    return result;
}

}  // namespace fg::app
