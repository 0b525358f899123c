#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace taskvane::testing {

// The application object of the test program, made by its main (qt_test_main.cpp).
inline QApplication& App() {
  return *static_cast<QApplication*>(QCoreApplication::instance());
}

// Runs `act` on the modal window that the next blocking call opens (a message box, a file
// dialog, a modal form), once it is shown.
inline void WhenModalOpens(std::function<void(QWidget&)> act) {
  auto* timer = new QTimer(&App());  // the application owns it until it deletes itself
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(*modal);
  });
  timer->start(10);
}

}  // namespace taskvane::testing
