// The floor for start-up measurements: the smallest Qt Widgets program with a main window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Hello floor"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello, world")));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
