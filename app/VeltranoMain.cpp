// Program entry.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Veltrano - Project1");
    window.show();
    return app.exec();
}
