// The yardstick for Quorrin's cold start: a plain window and nothing else, on Qt Widgets alone.
// bench_coldstart starts it exactly as it starts the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(" Bare: window"));
    window.show();
    return app.exec();
}
