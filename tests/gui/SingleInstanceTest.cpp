#include "gui/SingleInstance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

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

}  // namespace
}  // namespace veltrax::gui
