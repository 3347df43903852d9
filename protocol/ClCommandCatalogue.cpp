#include "ClCommandCatalogue.h"

#include <QHash>

#include "ClAvailability.h"
#include "ClCommandKinds.h"
#include "ClTovuCommands.h"
#include "ProtocolLog.h"

namespace {
template <class T> std::unique_ptr<ClTovuCommand> build(const PV_CMD& clRequest)
{
    return std::make_unique<T>(clRequest);
}

quint16 writeReply(const ClTovuCommand& clCommand, PV_CMD& clReply)
{
    return clCommand.writeReply(clReply);
}

template <class T> ClCommandEntry entryOf(quint8 ucAvailability)
{
    return ClCommandEntry {T::pszClassName,
                           T::usCommandCode,
                           T::eExchange,
                           ClCommandKinds::request(T::pszClassName),
                           T::bHasReply ? ClCommandKinds::reply(T::pszClassName) : QUuid(),
                           &build<T>,
                           &writeReply,
                           ucAvailability};
}

// A hand-written class carries its own code; it must be the one its row gives.
#define TOVU_COMMAND_CLASS(Class, Code, Availability)                                                                  \
    static_assert(Class::usCommandCode == (Code), #Class " differs from its row in the command table");
#include "CommandTable.def"

struct stIndex
{
    QHash<QUuid, const ClCommandEntry*> hashByRequest;
    QHash<QByteArray, const ClCommandEntry*> hashByClass;
};

const stIndex& index()
{
    static const stIndex stTheIndex = [] {
        stIndex stNew;
        for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
            stNew.hashByRequest.insert(stEntry.uuidRequest, &stEntry);
            stNew.hashByClass.insert(QByteArray(stEntry.pszClassName), &stEntry);
        }
        return stNew;
    }();
    return stTheIndex;
}
}  // namespace

const QVector<ClCommandEntry>& ClCommandCatalogue::entries()
{
    using namespace ClAvailability;
    static const QVector<ClCommandEntry> lstEntries = {
#define TOVU_COMMAND(Class, Code, Pattern, Availability) entryOf<Class>(Availability),
#define TOVU_COMMAND_CLASS(Class, Code, Availability) entryOf<Class>(Availability),
#include "CommandTable.def"
    };
    return lstEntries;
}

const ClCommandEntry* ClCommandCatalogue::findByRequest(const QUuid& uuidRequest)
{
    return index().hashByRequest.value(uuidRequest, nullptr);
}

const ClCommandEntry* ClCommandCatalogue::findByClass(const char* pszClassName)
{
    const ClCommandEntry* pstEntry = index().hashByClass.value(QByteArray(pszClassName), nullptr);
    if (!pstEntry)
        qCWarning(lcProtocol) << "no command class" << pszClassName;
    return pstEntry;
}

QUuid ClCommandCatalogue::requestKindOf(const char* pszClassName)
{
    const ClCommandEntry* pstEntry = findByClass(pszClassName);
    return pstEntry ? pstEntry->uuidRequest : QUuid();
}

QUuid ClCommandCatalogue::replyKindOf(const char* pszClassName)
{
    const ClCommandEntry* pstEntry = findByClass(pszClassName);
    return pstEntry ? pstEntry->uuidReply : QUuid();
}
