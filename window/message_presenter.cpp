#include "window/message_presenter.h"

#include <QMessageBox>

namespace window {

void ShowMessageBox(QWidget* parent, const ledger::Message& message)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(message.title), QString::fromStdString(message.text),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace window
