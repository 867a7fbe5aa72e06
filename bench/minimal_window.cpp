// The yardstick for start-up time and memory: a bare Qt window of the
// program's size with one Chinese label, nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("过路费及加油发票计算器"));
    label.setFixedSize(794, 534);
    label.show();
    return QApplication::exec();
}
