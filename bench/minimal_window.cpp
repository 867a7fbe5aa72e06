// The yardstick for start-up time and memory: a minimal Qt window with one
// Chinese label, nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("过路费及加油发票计算器"));
    label.show();
    return QApplication::exec();
}
