// One running window per program folder and user. A later launch hands over
// to the running one: it asks it to come to the front and then ends.
#ifndef VPA_APP_SINGLE_INSTANCE_H_
#define VPA_APP_SINGLE_INSTANCE_H_

#include <QObject>
#include <QSocketNotifier>
#include <filesystem>
#include <string>

namespace vpa {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const std::filesystem::path& program_folder,
                          QObject* parent = nullptr);
  // Stops listening, which frees the name.
  ~SingleInstance() override;

  // True when this is the only instance; it then listens for later
  // launches. False when another runs: that one has been asked to come to
  // the front, and this one should end without touching anything.
  bool Start();

  // The socket's name in the abstract namespace (without its leading
  // zero byte): the user and the folder's device and inode. Empty when the
  // folder cannot be looked at.
  const std::string& name() const { return name_; }

 signals:
  // A later launch of this user's asked this instance to show itself.
  void ActivationRequested();

 private:
  bool AskRunningToShow();
  void Answer();
  void Hear(QSocketNotifier* caller);

  std::string name_;
  QSocketNotifier* listener_ = nullptr;
};

}  // namespace vpa

#endif  // VPA_APP_SINGLE_INSTANCE_H_
