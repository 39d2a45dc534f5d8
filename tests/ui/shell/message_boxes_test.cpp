// The editor's message sink carries calls from a build worker to the
// user-interface thread (widgets may only be touched there).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QThread>

#include "platform/messages.h"
#include "platform/recording_messages.h"
#include "ui/app/message_boxes.h"

namespace veldor::ui {
namespace {

TEST(MessageBoxes, AWorkerThreadsWaitCursorIsSetOnTheInterfaceThread) {
  MessageBoxes boxes;
  IMessages* previous = SetMessages(&boxes);
  QThread* uiThread = nullptr;
  QThread* worker = QThread::create([&] {
    Messages().BeginWaitCursor();
    uiThread = QApplication::overrideCursor() ? QThread::currentThread() : nullptr;
  });
  worker->start();
  while (!worker->isFinished()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  worker->wait();
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  EXPECT_EQ(uiThread, worker);  // the worker saw it once its call returned
  boxes.EndWaitCursor();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  delete worker;
  SetMessages(previous);
}

TEST(MessageBoxes, ConfirmationsWithAnIconFallBackToAnyInstalledSink) {
  RecordingMessages messages;
  messages.answerYes = true;
  EXPECT_TRUE(ConfirmWithIcon("Sûr?", "Attention", MessageIcon::Error));
  ASSERT_EQ(messages.confirmations.size(), 1u);
  EXPECT_EQ(messages.confirmations[0].caption, "Attention");
}

}  // namespace
}  // namespace veldor::ui
