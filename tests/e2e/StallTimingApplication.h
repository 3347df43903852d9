#pragma once
// A QApplication that times every event the GUI thread delivers and keeps the longest:
// how long it took, its type, its receiver (class, name, and the class of the receiver's
// parent, which tells whose timer a QTimer is) and what the run was doing at the time.
// Only the outermost delivery is timed: an event sent from inside another one is part of
// it. Other threads' events pass untimed. Used by the soak, where the heartbeat alone
// says how long the GUI thread was away but not where.
#include <QApplication>
#include <QElapsedTimer>
#include <QMetaEnum>
#include <QThread>

class StallTimingApplication : public QApplication
{
public:
    struct Stall
    {
        qint64 llNs = 0;
        QString strWhere;
    };

    StallTimingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    // The application of this process when it times its events, else null.
    static StallTimingApplication* timing() { return dynamic_cast<StallTimingApplication*>(instance()); }

    bool notify(QObject* pclReceiver, QEvent* pclEvent) override
    {
        if (bInside || QThread::currentThread() != thread())
            return QApplication::notify(pclReceiver, pclEvent);
        // Taken before: the receiver may be gone afterwards (a deferred delete).
        const QMetaObject* pclClass = pclReceiver->metaObject();
        const QObject* pclParent = pclReceiver->parent();
        const QMetaObject* pclParentClass = pclParent != nullptr ? pclParent->metaObject() : nullptr;
        const QString strName = pclReceiver->objectName();
        const QEvent::Type eType = pclEvent->type();
        bInside = true;
        clClock.start();
        const bool bResult = QApplication::notify(pclReceiver, pclEvent);
        const qint64 llNs = clClock.nsecsElapsed();
        bInside = false;
        if (llNs > stLongest.llNs) {
            const char* pszType = QMetaEnum::fromType<QEvent::Type>().valueToKey(eType);
            stLongest.llNs = llNs;
            stLongest.strWhere
                = QStringLiteral("%1 to %2%3%4, %5")
                      .arg(pszType != nullptr ? QString::fromLatin1(pszType) : QString::number(eType),
                           QString::fromLatin1(pclClass->className()),
                           strName.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(strName),
                           pclParentClass == nullptr
                               ? QString()
                               : QStringLiteral(" (child of %1)").arg(QString::fromLatin1(pclParentClass->className())),
                           strContext);
        }
        return bResult;
    }

    // What the run is doing now, kept with the longest event.
    void setContext(const QString& strWhat) { strContext = strWhat; }
    const Stall& longest() const { return stLongest; }

private:
    bool bInside = false;
    QElapsedTimer clClock;
    Stall stLongest;
    QString strContext;
};
