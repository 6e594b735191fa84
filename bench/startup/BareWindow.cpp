// The floor of the start-up bench: a bare main window with one text field,
// at the size "WIDTHxHEIGHT" given as its argument (else Qt's choice).
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setCentralWidget(new QLineEdit(&window));
    const QStringList size = QApplication::arguments().value(1).split(QLatin1Char('x'));
    if (size.size() == 2)
        window.resize(size[0].toInt(), size[1].toInt());
    window.show();
    return QApplication::exec();
}
