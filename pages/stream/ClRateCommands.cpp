#include "ClRateCommands.h"

#include "framework/ClWidgetBase.h"
#include "protocol/ClEnvelope.h"

#include <QSize>

#include <algorithm>

namespace {
bool sameValue(const QVariant& clShown, const QVariant& clCurrent)
{
    if (clShown.typeId() == QMetaType::QSize)
        return clCurrent.typeId() == QMetaType::QSize && clShown.toSize() == clCurrent.toSize();
    // Numbers as wide as the camera's answers, whatever type carried them.
    return clCurrent.isValid() && clShown.toLongLong() == clCurrent.toLongLong();
}
}  // namespace

ClRateCommands::ClRateCommands(const std::array<QUuid, 3>& aGets_, const std::array<QUuid, 3>& aSets_)
    : aGets(aGets_), aSets(aSets_)
{}

void ClRateCommands::forget()
{
    aCurrent = {};
    aPending = {};
}

bool ClRateCommands::isOwn(const QUuid& uuidKind) const
{
    return std::find(aGets.cbegin(), aGets.cend(), uuidKind) != aGets.cend() || isSet(uuidKind);
}

bool ClRateCommands::isSet(const QUuid& uuidKind) const
{
    return std::find(aSets.cbegin(), aSets.cend(), uuidKind) != aSets.cend();
}

QUuid ClRateCommands::nextGet(const QUuid& uuidAnswered, const QList<QUuid>& lstSupported) const
{
    // A null kind starts the chain: it is found nowhere, so the walk begins at 0.
    const auto itAnswered = std::find(aGets.cbegin(), aGets.cend(), uuidAnswered);
    auto it = itAnswered == aGets.cend() ? aGets.cbegin() : itAnswered + 1;
    for (; it != aGets.cend(); ++it) {
        if (lstSupported.contains(*it))
            return *it;
    }
    return QUuid();
}

void ClRateCommands::applyIfChanged(ClWidgetBase& clPage, Value eValue, const QVariant& clShown)
{
    if (sameValue(clShown, aCurrent[eValue]))
        return;
    aPending[eValue] = clShown;
    PV_CMD clArgs;
    clArgs.insert(ClEnvelope::keyParam(2), clShown);
    clPage.sendCommand(aSets[eValue], clArgs, true, 0);
}

void ClRateCommands::confirm(const QUuid& uuidExecuted)
{
    for (size_t i = 0; i < aSets.size(); ++i) {
        if (aSets[i] == uuidExecuted)
            aCurrent[i] = aPending[i];
    }
}
