#include "ClFontConfigPreload.h"

#include <fontconfig/fontconfig.h>

ClFontConfigPreload::ClFontConfigPreload() : clThread([] { FcInit(); }) {}

ClFontConfigPreload::~ClFontConfigPreload()
{
    wait();
}

void ClFontConfigPreload::wait()
{
    if (clThread.joinable())
        clThread.join();
}
