#pragma once
#include <QObject>

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonSets_data();
    void buttonSets();
    void responderAnswers_data();
    void responderAnswers();
    void realButtonsCloseTheBox();
};
