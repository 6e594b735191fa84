// The floor of the start-up bench: a bare main window with one text field.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setCentralWidget(new QLineEdit(&window));
    window.show();
    return QApplication::exec();
}
