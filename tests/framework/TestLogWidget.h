#pragma once
#include <QObject>

class TestLogWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsAndStyle();
    void messageSlidesInStaysAndLeaves();
    void newMessageRestartsSlide();
};
