#include "ui/app/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QProgressDialog>
#include <QThread>

#include "ui/app/ui_text.h"

namespace veldor::ui {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString Caption(const std::string& caption) {
  return FromUtf8(caption.empty() ? std::string(kDefaultCaption) : caption);
}

// Runs `work` on the user-interface thread and waits for it.
template <typename Work>
void OnUiThread(Work work) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || QThread::currentThread() == app->thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(app, work, Qt::BlockingQueuedConnection);
}

QWidget* Parent() {
  return QApplication::activeWindow();
}

}  // namespace

bool ConfirmWithIcon(const std::string& text, const std::string& caption, MessageIcon icon) {
  if (auto* boxes = dynamic_cast<MessageBoxes*>(&Messages())) {
    return boxes->ConfirmWith(text, caption, icon);
  }
  return Messages().Confirm(text, caption);
}

MessageBoxes::MessageBoxes() = default;
MessageBoxes::~MessageBoxes() {
  delete progress_;
}

void MessageBoxes::Message(const std::string& text, const std::string& caption, MessageIcon icon) {
  OnUiThread([&] {
    QMessageBox box(IconOf(icon), Caption(caption), FromUtf8(text), QMessageBox::Ok, Parent());
    box.exec();
  });
}

bool MessageBoxes::Confirm(const std::string& text, const std::string& caption) {
  return ConfirmWith(text, caption, MessageIcon::Question);
}

bool MessageBoxes::ConfirmWith(const std::string& text, const std::string& caption,
                               MessageIcon icon) {
  bool yes = false;
  OnUiThread([&] {
    QMessageBox box(IconOf(icon), Caption(caption), FromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, Parent());
    box.setDefaultButton(QMessageBox::No);
    yes = box.exec() == QMessageBox::Yes;
  });
  return yes;
}

void MessageBoxes::BeginWaitCursor() {
  OnUiThread([] { QApplication::setOverrideCursor(Qt::WaitCursor); });
}

void MessageBoxes::EndWaitCursor() {
  OnUiThread([] { QApplication::restoreOverrideCursor(); });
}

void MessageBoxes::ProgressStart(const std::string& caption, int range) {
  OnUiThread([&] {
    delete progress_;
    progress_ = new QProgressDialog(Caption(caption), QString(), 0, range, Parent());
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(300);
    progressValue_ = 0;
    progress_->setValue(0);
  });
}

void MessageBoxes::ProgressStep() {
  OnUiThread([&] {
    if (progress_ == nullptr) return;
    progress_->setValue(++progressValue_);
  });
}

void MessageBoxes::ProgressClose() {
  OnUiThread([&] {
    delete progress_;
    progress_ = nullptr;
  });
}

}  // namespace veldor::ui
