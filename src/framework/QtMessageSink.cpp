#include "framework/QtMessageSink.h"

#include <QMessageBox>
#include <QString>

void QtMessageSink::ShowMessageBox(const MessageBoxRecord& message) {
  QMessageBox box;
  box.setIcon(message.icon == kCautionIcon ? QMessageBox::Warning : QMessageBox::NoIcon);
  box.setWindowTitle(QString::fromStdString(message.title));
  box.setTextFormat(Qt::PlainText);  // names and paths are shown as they are, never as markup
  box.setText(QString::fromStdString(message.text));
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}
