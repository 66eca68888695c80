// The yardstick of the program's start-up: a bare Qt program that shows one
// empty widget (taco_install_bench runs it with the first-paint probe).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
