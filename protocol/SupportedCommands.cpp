#include "SupportedCommands.h"

#include <memory>

#include "ClDocListGen.h"
#include "ClNeoListGen.h"
#include "ClSecListGen.h"

QList<QUuid> supportedCommands(int lModel, const QString& strVersion)
{
    std::unique_ptr<AbstListGen> pclGenerator;
    switch (lModel) {
    case 0:
        pclGenerator = std::make_unique<ClNeoListGen>();
        break;
    case 1:
        pclGenerator = std::make_unique<ClSecListGen>();
        break;
    case 2:
        pclGenerator = std::make_unique<ClDocListGen>();
        break;
    default:
        return QList<QUuid>();
    }
    return pclGenerator->createList(strVersion);
}
