#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ondrik");
    QMainWindow window;
    window.setWindowTitle("Ondrik");
    window.resize(1024, 720);
    window.show();
    return QApplication::exec();
}
