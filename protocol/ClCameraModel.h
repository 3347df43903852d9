#pragma once
// The camera model as the worker announces it and the availability table knows it.
#include <QtGlobal>

namespace ClCameraModel {
enum : qint32 {
    None = -1,   // no camera, or one whose name is not known
    Tovu = 0,    // the standard model, named "Tovu"
    TovuS = 1,   // the model with security and maintenance modes, named "Tovu-S"
    Model2 = 2,  // known to the availability table only
};
}  // namespace ClCameraModel
