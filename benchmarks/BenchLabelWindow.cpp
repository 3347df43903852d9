// A second yardstick for the start-up benchmark: the bare window with one line of text,
// the tool's title in the tool's font. Passed to bench_startup as one more program, it
// shows what any window that draws text pays before it maps (fontconfig's configuration,
// Qt's font database, one font engine and the first shaping), apart from anything the
// tool itself does.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication clApp(argc, argv);
    QFont clFont;
    clFont.setPixelSize(13);
    QApplication::setFont(clFont);
    QWidget clWindow;
    clWindow.resize(600, 620);
    QLabel clTitle(QStringLiteral("Tovu Setting Tool"), &clWindow);
    clTitle.move(12, 8);
    clTitle.adjustSize();
    clWindow.show();
    return QApplication::exec();
}
