#include "gui/SingleInstance.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstring>
#include <filesystem>

#include "common/TempFolder.h"

namespace veltrax::gui {
namespace {

QString TestName() { return QStringLiteral("veltrax-test-%1").arg(QCoreApplication::applicationPid()); }

TEST(SingleInstance, SecondStartAsksTheFirstToRaiseItself) {
  SingleInstance first(TestName());
  ASSERT_FALSE(first.AskRunningToRaise());
  EXPECT_TRUE(first.Listening());
  int raised = 0;
  QObject::connect(&first, &SingleInstance::RaiseRequested, [&raised] { ++raised; });

  SingleInstance second(TestName());
  EXPECT_TRUE(second.AskRunningToRaise());
  EXPECT_FALSE(second.Listening());

  QElapsedTimer waited;
  waited.start();
  while (raised == 0 && waited.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(raised, 1);
}

TEST(SingleInstance, TheNameIsFreeAgainOnceTheFirstHasGone) {
  {
    SingleInstance first(TestName());
    ASSERT_FALSE(first.AskRunningToRaise());
  }
  SingleInstance next(TestName());
  EXPECT_FALSE(next.AskRunningToRaise());
  EXPECT_TRUE(next.Listening());
}

// Sets an environment variable for the scope, or removes it with nullptr.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    if (value) {
      qputenv(name, value);
    } else {
      qunsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

TEST(SingleInstance, TheSocketLivesInAFolderOnlyTheUserEnters) {
  test::TempFolder folder("veltrax-runtime");
  {
    ScopedEnv runtime("XDG_RUNTIME_DIR", folder.path().c_str());
    EXPECT_EQ(SingleInstance::DefaultName().toStdString(), (folder / "veltrax-configurator").string());
  }
  ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
  ScopedEnv cache("XDG_CACHE_HOME", (folder / "cache").c_str());
  EXPECT_EQ(SingleInstance::DefaultName().toStdString(), (folder / "cache" / "veltrax" / "veltrax-configurator").string());
  EXPECT_EQ(std::filesystem::status(folder / "cache" / "veltrax").permissions(), std::filesystem::perms::owner_all);
}

// Connects to the socket as another user and asks for a raise.
void RaiseAsNobody(const std::string& socketPath) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ::_exit(3);
    const bool sent = ::write(fd, "raise\n", 6) == 6;
    ::usleep(200000);
    ::_exit(sent ? 0 : 4);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0) << "the other user could not reach the socket";
}

TEST(SingleInstance, OnlyTheSameUserMayAskForARaise) {
  if (::geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
  test::TempFolder folder("veltrax-peer");
  std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
  const std::string path = (folder / "instance").string();
  SingleInstance first(QString::fromStdString(path));
  ASSERT_FALSE(first.AskRunningToRaise());
  std::filesystem::permissions(path, std::filesystem::perms::all);  // as if the folder guarded nothing
  int raised = 0;
  QObject::connect(&first, &SingleInstance::RaiseRequested, [&raised] { ++raised; });

  RaiseAsNobody(path);
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(raised, 0);

  SingleInstance second(QString::fromStdString(path));
  EXPECT_TRUE(second.AskRunningToRaise());
  while (raised == 0 && waited.elapsed() < 2500) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(raised, 1);
}

}  // namespace
}  // namespace veltrax::gui
