#include "ClUsbChangeNotifier.h"

ClUsbChangeNotifier::ClUsbChangeNotifier(QObject* pclParent) : QObject(pclParent) {}

ClUsbChangeNotifier::~ClUsbChangeNotifier() = default;

void ClUsbChangeNotifier::start() {}
