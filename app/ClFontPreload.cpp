#include "ClFontPreload.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

ClFontPreload::ClFontPreload()
    : clThread([this] {
          FcInit();
          std::unique_lock<std::mutex> clLock(clMutex);
          clDecided.wait(clLock, [this] { return eNext != Next::Undecided; });
          if (eNext == Next::FillDatabase) {
              clLock.unlock();
              QFontDatabase::families();
          }
      })
{
}

ClFontPreload::~ClFontPreload()
{
    wait();
}

void ClFontPreload::fillDatabase()
{
    {
        std::lock_guard<std::mutex> clLock(clMutex);
        if (eNext == Next::Undecided)
            eNext = Next::FillDatabase;
    }
    clDecided.notify_all();
}

void ClFontPreload::wait()
{
    {
        // A wait before the database was asked for must not hang on the decision.
        std::lock_guard<std::mutex> clLock(clMutex);
        if (eNext == Next::Undecided)
            eNext = Next::Stop;
    }
    clDecided.notify_all();
    if (clThread.joinable())
        clThread.join();
}
