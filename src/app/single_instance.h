// One running window per program folder and user. A later launch hands over
// to the running one: it asks it to come to the front and then ends.
#ifndef VPA_APP_SINGLE_INSTANCE_H_
#define VPA_APP_SINGLE_INSTANCE_H_

#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <filesystem>

namespace vpa {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const std::filesystem::path& program_folder,
                          QObject* parent = nullptr);
  // Stops listening and removes the socket.
  ~SingleInstance() override;

  // True when this is the only instance; it then listens for later
  // launches. False when another runs: that one has been asked to come to
  // the front, and this one should end without touching anything.
  bool Start();

  // The name shared by the lock file and the local socket.
  const QString& key() const { return key_; }
  // The folder of the lock file and the socket, only this user's (empty
  // when there is none to trust, and then no lock is taken).
  const QString& folder() const { return folder_; }
  // Where the lock file lies.
  QString LockPath() const;
  QString SocketPath() const;

 signals:
  // A later launch asked this instance to show itself.
  void ActivationRequested();

 private:
  bool AskRunningToShow();
  void Listen();
  void Answer();
  void Hear(QSocketNotifier* caller);

  QString folder_;
  QString key_;
  QLockFile lock_;
  QSocketNotifier* listener_ = nullptr;
};

}  // namespace vpa

#endif  // VPA_APP_SINGLE_INSTANCE_H_
