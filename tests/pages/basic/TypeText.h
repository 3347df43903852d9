#pragma once
// Types text key by key as a keyboard would, including characters QTest's own key
// tables do not know (accented letters).
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

inline void typeText(QWidget* pclWidget, const QString& strText)
{
    for (const QChar cChar : strText) {
        QKeyEvent clPress(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(cChar));
        QCoreApplication::sendEvent(pclWidget, &clPress);
        QKeyEvent clRelease(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(cChar));
        QCoreApplication::sendEvent(pclWidget, &clRelease);
    }
}
