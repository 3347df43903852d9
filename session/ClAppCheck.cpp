#include "ClAppCheck.h"

#include "SessionLog.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTranslator>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The lock is a listening Unix socket in the abstract namespace, named after the key.
// The kernel drops the name the moment the owning process ends, however it ends, so a
// crash or SIGKILL leaves no stale lock behind; and a second copy that finds the name
// taken connects to it and learns the owner's user from the peer credentials.

namespace {

struct AbstractAddress
{
    sockaddr_un clAddr {};
    socklen_t lLength = 0;
};

// False when the key cannot name an abstract socket (empty or too long).
bool makeAddress(const QString& strKey, AbstractAddress& clOut)
{
    const QByteArray clName = strKey.toUtf8();
    clOut.clAddr.sun_family = AF_UNIX;
    // sun_path[0] stays 0: that byte puts the name into the abstract namespace.
    if (clName.isEmpty() || clName.size() > int(sizeof(clOut.clAddr.sun_path)) - 1)
        return false;
    std::memcpy(clOut.clAddr.sun_path + 1, clName.constData(), size_t(clName.size()));
    clOut.lLength = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(clName.size()));
    return true;
}

// Who holds the name: 1 when it is this user (or cannot be told), 2 for another user.
qint32 ownerResult(const AbstractAddress& clAddress)
{
    // Non-blocking, so that an owner that is not accepting cannot stall the start.
    const int lFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (lFd < 0)
        return ClAppCheck::lAlreadyRunning;
    qint32 lResult = ClAppCheck::lAlreadyRunning;
    if (::connect(lFd, reinterpret_cast<const sockaddr*>(&clAddress.clAddr), clAddress.lLength) == 0) {
        ucred clPeer {};
        socklen_t lSize = sizeof(clPeer);
        if (::getsockopt(lFd, SOL_SOCKET, SO_PEERCRED, &clPeer, &lSize) == 0 && clPeer.uid != ::geteuid())
            lResult = ClAppCheck::lOtherUser;
    } else {
        // Refused or backlog full: the name is still taken, by a copy we cannot ask.
        qCInfo(lcTovuSession) << "instance lock held, owner not reachable:" << std::strerror(errno);
    }
    ::close(lFd);
    return lResult;
}

}  // namespace

// Outside any namespace: the resource compiler's initialiser is a global function.
static void registerGuardCatalogues()
{
    static const bool bRegistered = [] {
        Q_INIT_RESOURCE(tovu_guard);
        return true;
    }();
    Q_UNUSED(bRegistered);
}

ClAppCheck::ClAppCheck(QString strName, QObject* parent)
    : QObject(parent), strName(strName.isEmpty() ? QCoreApplication::applicationName() : strName)
{}

ClAppCheck::~ClAppCheck()
{
    if (lLockFd >= 0)
        ::close(lLockFd);
}

qint32 ClAppCheck::checkInstance(QString strKey)
{
    if (lLockFd >= 0)
        return lOwned;

    AbstractAddress clAddress;
    if (!makeAddress(strKey, clAddress)) {
        qCWarning(lcTovuSession) << "instance key unusable as a lock name:" << strKey;
        return lCannotInit;
    }
    const int lFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (lFd < 0) {
        qCWarning(lcTovuSession) << "instance lock: socket:" << std::strerror(errno);
        return lCannotInit;
    }
    if (::bind(lFd, reinterpret_cast<const sockaddr*>(&clAddress.clAddr), clAddress.lLength) != 0) {
        const int lError = errno;
        ::close(lFd);
        if (lError == EADDRINUSE)
            return ownerResult(clAddress);
        qCWarning(lcTovuSession) << "instance lock: bind:" << std::strerror(lError);
        return lCannotInit;
    }
    // Listening records our credentials on the socket, which is what a later copy reads.
    if (::listen(lFd, 8) != 0) {
        qCWarning(lcTovuSession) << "instance lock: listen:" << std::strerror(errno);
        ::close(lFd);
        return lCannotInit;
    }
    lLockFd = lFd;
    pclKnocks = new QSocketNotifier(lLockFd, QSocketNotifier::Read, this);
    connect(pclKnocks, &QSocketNotifier::activated, this, &ClAppCheck::acceptKnock);
    return lOwned;
}

void ClAppCheck::acceptKnock()
{
    // A later copy only wanted our credentials; drain the queue so it never fills.
    for (;;) {
        const int lPeer = ::accept4(lLockFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (lPeer < 0)
            break;
        ::close(lPeer);
    }
}

QString ClAppCheck::catalogueFor(QLocale::Language lLanguage)
{
    switch (lLanguage) {
    case QLocale::Japanese:
        return QStringLiteral(":/ja/lang");
    case QLocale::Chinese:
        return QStringLiteral(":/zh/lang");
    case QLocale::French:
        return QStringLiteral(":/fr/lang");
    default:
        return QStringLiteral(":/en/lang");
    }
}

QString ClAppCheck::errorMessage(qint32 lResult)
{
    return errorMessage(lResult, QLocale::system().language());
}

QString ClAppCheck::errorMessage(qint32 lResult, QLocale::Language lLanguage)
{
    QString strSource;
    switch (lResult) {
    case lAlreadyRunning:
        strSource = tr("%1 is already running");
        break;
    case lOtherUser:
        strSource = tr("Unable to start because another user is running %1");
        break;
    case lCannotInit:
        strSource = tr("Unable to initialize %1");
        break;
    default:
        return QString();
    }

    registerGuardCatalogues();
    QTranslator clTranslator;
    QString strText;
    if (clTranslator.load(catalogueFor(lLanguage)) && !clTranslator.isEmpty())
        strText = clTranslator.translate("ClAppCheck", strSource.toLocal8Bit().constData());
    // Without the guard's catalogue the box would be empty; the source text says it all.
    if (strText.isEmpty())
        strText = strSource;
    return strText.arg(strName, 0, QLatin1Char(' '));
}
