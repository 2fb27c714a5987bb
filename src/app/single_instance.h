// One running program per account and data folder, over a local socket.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QLocalServer;

namespace novlet {

// What a second start asks of the running instance.
enum class TInstanceRequest { Raise, Close };

// One running program per account and data folder: the first start listens
// on a local socket, a later start hands its request over and leaves.
class TSingleInstance : public QObject {
 public:
  // The socket: named after the window class name "Corvex Novlet", the
  // account, and a short fingerprint of the data folder, so that copies
  // working on different files (a test's, a portable copy's) do not wait on
  // each other; placed in the account's private runtime folder, where no
  // other account can put a socket of that name first.
  static QString ServerName(const QString& userName, const QString& dataFolder);

  explicit TSingleInstance(QString serverName, QObject* parent = nullptr);
  ~TSingleInstance() override;

  // Hands the request to a running instance; false when none answered.
  bool SendToRunningInstance(TInstanceRequest request) const;

  // Starts listening, clearing a socket left behind by a crashed run; false
  // when the name cannot be taken.
  bool Listen();

  // From now on runs handler for each request received; requests that came
  // before (while the window was still being made) follow once the event
  // loop runs.
  void HandleRequests(std::function<void(TInstanceRequest)> handler);

 private:
  void ReadRequests();
  void Deliver(TInstanceRequest request);

  QString serverName_;
  QLocalServer* server_ = nullptr;
  std::function<void(TInstanceRequest)> handler_;
  std::vector<TInstanceRequest> pending_;
};

}  // namespace novlet
