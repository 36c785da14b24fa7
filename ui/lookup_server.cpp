#include "ui/lookup_server.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include "opcodes/opcode_lookup.h"
#include "platform/lookup_socket.h"
#include "ui/application.h"
#include "ui/event_hooks.h"
#include "ui/lookup_view.h"
#include "ui/main/form_main.h"

namespace {

// Far more than any look-up an editor sends; a peer that sends more is no KLV.
constexpr qint64 kMostRequestBytes = 4096;

QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The look-up a whole request asks for, or a null string for anything else: a request is
// the head line and one line of valid UTF-8 that is a sound look-up.
QString RequestedLookup(const QByteArray& request) {
    const QByteArray head = Bytes(kLookupRequestHead);
    if (!request.startsWith(head) || !request.endsWith('\n'))
        return {};
    const QByteArray what = request.sliced(head.size(), request.size() - head.size() - 1);
    if (what.contains('\n') || !ParseLookup(what.toStdString()).query)
        return {};
    const QString text = QString::fromUtf8(what);
    return text.toUtf8() == what ? text : QString();
}

} // namespace

LookupServer::LookupServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, Guarded([this] { Accept(); }));
}

LookupServer::~LookupServer() {
    // Closing removes the socket file by its name, which a newer window (the one a restart
    // started) may have taken over.
    RemoveOwnSocketFile(server_->fullServerName().toStdString(), listening_,
                        [this] { server_->close(); });
}

bool LookupServer::Listen(const QString& path) {
    if (path.isEmpty())
        return false;
    QLocalServer::removeServer(path);
    if (!server_->listen(path))
        return false;
    listening_ = SocketFileAt(path.toStdString());
    return true;
}

void LookupServer::Enqueue(const QString& what) {
    waiting_.push_back(what);
}

void LookupServer::Attach(TFormMain* window) {
    window_ = window;
    // A modal box blocks the window while it is open; its closing unblocks the window.
    OnEvent(window, QEvent::WindowUnblocked, [this](QEvent*) {
        QTimer::singleShot(0, this, Guarded([this] { ShowWaiting(); }));
        return false;
    });
    QTimer::singleShot(0, this, Guarded([this] { ShowWaiting(); }));
}

void LookupServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, Guarded([this, socket] { Read(socket); }));
        // What a quick peer sent before the connection was taken.
        Read(socket);
    }
}

void LookupServer::Read(QLocalSocket* socket) {
    if (socket->bytesAvailable() > kMostRequestBytes) {
        socket->abort();
        return;
    }
    const QByteArray request = socket->peek(kMostRequestBytes + 1);
    if (request.count('\n') < 2)
        return; // not whole yet
    socket->readAll();
    const QString what = RequestedLookup(request);
    if (what.isNull()) {
        socket->abort();
        return;
    }
    waiting_.push_back(what);
    socket->write(Bytes(kLookupTaken));
    socket->disconnectFromServer();
    ShowWaiting();
}

void LookupServer::ShowWaiting() {
    // Each look-up changes the window as a whole or not at all; none runs inside a modal
    // box's loop, nor before the window has loaded.
    while (window_ != nullptr && !waiting_.empty() &&
           QApplication::activeModalWidget() == nullptr) {
        const QString what = waiting_.front();
        waiting_.pop_front();
        ShowLookup(*window_, what);
    }
}
