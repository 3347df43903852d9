#pragma once
#include <QObject>

class TestLogWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsSignalAndHide();
    void messageSlidesInStaysAndLeaves();
    void newMessageRestartsSlide();
};
