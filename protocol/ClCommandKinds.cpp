#include "ClCommandKinds.h"

#include <QByteArray>
#include <cstring>

namespace {
// Namespace of the derived kinds; changing it renames every derived kind at once,
// which is harmless because kinds never leave the process. A function-local constant,
// because kinds are also derived while other units' statics are being initialised.
const QUuid& kindNamespace()
{
    static const QUuid clNamespace(QStringLiteral("{6d0f5c3e-2b8a-4f51-9c1e-7a4d2e9b0c11}"));
    return clNamespace;
}

struct stFixedKind
{
    const char* pszClassName;
    const char* pszRole;
    const char* pszKind;
};

// Kinds that keep their established values: the firmware update sends, the help page's
// answers, and the three list exchanges, which the availability lists name by value.
constexpr stFixedKind aFixedKinds[] = {
    {"ClTovuCommandExecFwUpdateData", "request", "{41f721f2-8cc7-480c-9e77-ce94c69b9210}"},
    {"ClTovuCommandExecFwUpdat", "request", "{ade54208-354a-4871-b677-b22be72788b4}"},
    {"ClTovuCommandGetSerialNo", "reply", "{eb291049-c0b4-4359-8c87-3995f7a55240}"},
    {"ClTovuCommandGetMacAddress", "reply", "{751059e2-918e-4283-a2a6-f9126e1776b3}"},
    {"ClTovuCommandGetCountry", "reply", "{c3fa4fb8-9854-4c38-be03-9cf96e8e8244}"},
    {"ClTovuCommandGetWifiInfo", "request", "{5568656a-bde3-4b7e-a4c6-3237c4cc3467}"},
    {"ClTovuCommandGetAccesspointList", "request", "{a5a94cad-baf0-40bc-828c-532ba8aebacb}"},
    {"ClTovuCommandGetScheSetting", "request", "{1544057d-5ac5-4066-be3b-6037b9ea58d1}"},
};
}  // namespace

QUuid ClCommandKinds::cameraConnected()
{
    static const QUuid clKind(QStringLiteral("{91c4b98b-89a7-492c-b06d-822bd360404c}"));
    return clKind;
}

QUuid ClCommandKinds::cameraRemoved()
{
    static const QUuid clKind(QStringLiteral("{dee588aa-f78f-4d39-a56b-85a17a588ead}"));
    return clKind;
}

QUuid ClCommandKinds::cameraUnusable()
{
    static const QUuid clKind(QStringLiteral("{6f0d3b52-2c7e-4a8e-9d1b-5e4c7a90b3f1}"));
    return clKind;
}

QUuid ClCommandKinds::result()
{
    static const QUuid clKind(QStringLiteral("{92ea7622-4687-4056-a57d-b00de314ad18}"));
    return clKind;
}

QUuid ClCommandKinds::transportError()
{
    static const QUuid clKind(QStringLiteral("{3a39c6b1-7268-419d-b80b-a4bc35994ae2}"));
    return clKind;
}

QUuid ClCommandKinds::rawRead()
{
    static const QUuid clKind(QStringLiteral("{405bfe84-a8f7-4a4a-bee9-790a3d3adc9d}"));
    return clKind;
}

QUuid ClCommandKinds::rawReadReply()
{
    static const QUuid clKind(QStringLiteral("{cb20cb36-4046-4332-a0d4-f8aa0220a035}"));
    return clKind;
}

QUuid ClCommandKinds::spareEvent()
{
    static const QUuid clKind(QStringLiteral("{9603e69d-8799-4090-bdd9-0c9947420018}"));
    return clKind;
}

QUuid ClCommandKinds::derived(const char* pszClassName, const char* pszRole)
{
    for (const stFixedKind& stKind : aFixedKinds) {
        if (std::strcmp(stKind.pszClassName, pszClassName) == 0 && std::strcmp(stKind.pszRole, pszRole) == 0)
            return QUuid(QLatin1String(stKind.pszKind));
    }
    const QByteArray clName = QByteArray(pszClassName) + '/' + pszRole;
    return QUuid::createUuidV5(kindNamespace(), clName);
}
