// The yardstick of the start-up benchmark: an empty Qt Widgets window of the tool's size,
// built with the same Qt and the same flags, doing nothing but showing itself.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication clApp(argc, argv);
    QWidget clWindow;
    clWindow.resize(600, 620);
    clWindow.show();
    return QApplication::exec();
}
