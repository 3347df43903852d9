#pragma once
// Prepares the fonts on a thread of its own while the application starts. Qt asks
// fontconfig for its configuration (dozens of XML files) and then lists every installed
// font into its font database the first time a widget measures text: together the
// largest steps between exec and the window. Started before QApplication, the thread
// reads the configuration beside the display connection; once the application exists
// it fills the font database (whose functions are thread-safe) beside the rest of the
// start, so that the window's first text finds both done.
#include <condition_variable>
#include <mutex>
#include <thread>

class ClFontPreload
{
public:
    ClFontPreload();
    // Stops before the font database if it was never asked for, and joins the thread.
    ~ClFontPreload();

    // Goes on to fill Qt's font database. Call once QGuiApplication exists, and wait()
    // before it is destroyed: the database belongs to it.
    void fillDatabase();
    // Joins the thread: waits for whatever of the work is left, so that Qt finds it done
    // instead of doing it a second time beside the thread.
    void wait();

    ClFontPreload(const ClFontPreload&) = delete;
    ClFontPreload& operator=(const ClFontPreload&) = delete;

private:
    enum class Next { Undecided, FillDatabase, Stop };

    std::mutex clMutex;
    std::condition_variable clDecided;
    Next eNext = Next::Undecided;
    std::thread clThread;
};
