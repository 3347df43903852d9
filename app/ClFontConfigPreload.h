#pragma once
// Reads fontconfig's configuration on a thread of its own while the application starts.
// Qt asks fontconfig for it the first time a widget measures text, and reading it (dozens
// of XML files) is the largest single step between exec and the window; started before
// QApplication it runs beside the display connection and the window's construction.
#include <thread>

class ClFontConfigPreload
{
public:
    ClFontConfigPreload();
    // Joins the thread: waits for whatever of the read is left, so that Qt finds the
    // configuration loaded instead of reading a second copy of it.
    ~ClFontConfigPreload();
    void wait();

    ClFontConfigPreload(const ClFontConfigPreload&) = delete;
    ClFontConfigPreload& operator=(const ClFontConfigPreload&) = delete;

private:
    std::thread clThread;
};
