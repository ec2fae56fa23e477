// Test support: answers modal dialogs as they open, one scripted step per dialog.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <utility>

namespace vrk::test {

class ModalDriver {
 public:
  // When a modal window with this object name is active, `act` runs on it.
  void expect(const QString& objectName, std::function<void(QWidget*)> act) {
    steps_.emplace_back(objectName, std::move(act));
  }
  // Polls for the expected windows while the code under test runs its modal loops.
  void start() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (steps_.empty() || !modal || modal->objectName() != steps_.front().first || modal == last_) return;
      last_ = modal;
      auto step = std::move(steps_.front());
      steps_.pop_front();
      step.second(modal);
      last_ = nullptr;
    });
    timer_.start();
  }
  bool done() const { return steps_.empty(); }
  QString nextExpected() const { return steps_.empty() ? QString() : steps_.front().first; }

 private:
  std::deque<std::pair<QString, std::function<void(QWidget*)>>> steps_;
  QTimer timer_;
  QWidget* last_ = nullptr;
};

}  // namespace vrk::test
