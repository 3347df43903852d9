#pragma once
// The three values a stream page keeps with the camera (image size, frame rate, bit rate):
// their Get and Set kinds, what the camera holds, and what an Apply has sent. The
// recording and live viewing pages differ only in the kinds.
#include <QList>
#include <QUuid>
#include <QVariant>

#include <array>

class ClWidgetBase;

class ClRateCommands
{
public:
    enum Value { Size = 0, FrameRate = 1, BitRate = 2 };

    ClRateCommands(const std::array<QUuid, 3>& aGets, const std::array<QUuid, 3>& aSets);

    bool isOwn(const QUuid& uuidKind) const;
    bool isSet(const QUuid& uuidKind) const;
    // The Get after uuidAnswered (a null kind: the first) that the camera answers; null
    // when the chain is at its end.
    QUuid nextGet(const QUuid& uuidAnswered, const QList<QUuid>& lstSupported) const;

    // The value the camera answered, as it answered it: a value the page can only show
    // clamped or rounded differs from what is shown, so Apply writes what is shown.
    void setCurrent(Value eValue, const QVariant& clAnswered) { aCurrent[eValue] = clAnswered; }
    // Nothing known of a camera.
    void forget();
    // Sends the value's Set as part of the page's Apply when it differs from the camera's.
    void applyIfChanged(ClWidgetBase& clPage, Value eValue, const QVariant& clShown);
    // A Set completed with 0: the value it sent is the camera's now.
    void confirm(const QUuid& uuidExecuted);

private:
    std::array<QUuid, 3> aGets;
    std::array<QUuid, 3> aSets;
    std::array<QVariant, 3> aCurrent;
    std::array<QVariant, 3> aPending;
};
