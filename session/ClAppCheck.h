#pragma once
// The single-instance guard: one copy of the tool per machine, for all users together.
// The marker is a system-wide named lock held for as long as this object lives.
#include <QLocale>
#include <QObject>
#include <QString>

class QSocketNotifier;

class ClAppCheck : public QObject
{
    Q_OBJECT
public:
    // Check results.
    enum {
        lOwned = 0,           // this process holds the lock (or already did)
        lAlreadyRunning = 1,  // another copy of this user holds it
        lOtherUser = 2,       // a copy of another user holds it
        lCannotInit = 3       // the lock could not be created at all
    };

    explicit ClAppCheck(QString strName = QString(), QObject* parent = nullptr);
    ~ClAppCheck() override;

    virtual qint32 checkInstance(QString strKey);

    // The message for a result in the system language; empty for 0 and unknown codes.
    QString errorMessage(qint32 lResult);
    // The same message in a chosen language (Japanese, Chinese, French, else English).
    QString errorMessage(qint32 lResult, QLocale::Language lLanguage);

    // The guard's own catalogue for a system language.
    static QString catalogueFor(QLocale::Language lLanguage);

private:
    void acceptKnock();

    QString strName;
    int lLockFd = -1;  // the listening socket whose name is the lock
    QSocketNotifier* pclKnocks = nullptr;
};
