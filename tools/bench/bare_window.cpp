// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a window, under
// the title the benchmark waits for.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8("Загрузка"));
    window.resize(300, 350);
    window.show();
    return QApplication::exec();
}
