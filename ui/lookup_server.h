#pragma once
// The main window's end of the look-up socket (platform/lookup_socket.h): it takes the
// requests of later KLV processes on the same data folder and shows them in the window in
// the order they came, each once the window has loaded and no modal box is open.

#include <QObject>
#include <QString>
#include <deque>

#include "platform/lookup_socket.h"

class QLocalServer;
class QLocalSocket;
class TFormMain;

class LookupServer : public QObject {
  public:
    explicit LookupServer(QObject* parent = nullptr);
    // Leaves the socket to a window that has taken it over meanwhile.
    ~LookupServer() override;

    // Listens on the socket, taking it over from a window that held it before (the one a
    // restart replaces, or an older window on the same folder). False when it cannot.
    bool Listen(const QString& path);
    // Queues a look-up of this process's own command line, ahead of any that come later.
    void Enqueue(const QString& what);
    // The loaded window that shows the queued look-ups, from the next turn of the event
    // loop on.
    void Attach(TFormMain* window);

  private:
    void Accept();
    void Read(QLocalSocket* socket);
    void ShowWaiting();

    QLocalServer* server_;
    TFormMain* window_ = nullptr;
    std::deque<QString> waiting_;
    SocketFile listening_; // the socket file this window made
};
