// Tests that drive a modal window: the action runs once it is up, inside its exec().
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace velmora::uitest {

// Runs `act` on the modal widget of type W once it is up; gives up after five
// seconds, failing the test and closing whatever modal window is open.
template <class W>
void whenModal(std::function<void(W*)> act) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* w = qobject_cast<W*>(modal)) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (++*ticks > 500) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected " << W::staticMetaObject.className() << " never opened";
            if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
        }
    });
    timer->start(10);
}

}  // namespace velmora::uitest
