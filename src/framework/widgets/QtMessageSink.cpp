#include "framework/widgets/QtMessageSink.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace {

QMessageBox::Icon DialogIcon(int icon) {
  switch (icon) {
    case 0:
      return QMessageBox::Information;
    case 1:
      return QMessageBox::Warning;
    case 2:
      return QMessageBox::Critical;
    case 3:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

// A caption is shown as it is: an "&" is not taken as the mark of a shortcut letter.
QString PlainCaption(const std::string& caption) {
  return QString::fromStdString(caption).replace('&', QStringLiteral("&&"));
}

// The box's text format reaches only its message; the label of the explanation would take a text
// that looks like markup as markup, so it is made plain as well.
void SetPlainInformativeText(QMessageBox& box, const QString& text) {
  box.setInformativeText(text);
  for (QLabel* label : box.findChildren<QLabel*>()) {
    if (label->text() == text) label->setTextFormat(Qt::PlainText);
  }
}

QPushButton* AddButton(QMessageBox& box, const MessageDialogButtonRecord& button,
                       QMessageBox::ButtonRole role) {
  if (!button.visible) return nullptr;
  return box.addButton(PlainCaption(button.caption), role);
}

}  // namespace

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

MessageDialogAnswer QtMessageSink::ShowMessageDialog(const MessageDialogRecord& dialog) {
  QMessageBox box;
  box.setIcon(DialogIcon(dialog.icon));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(dialog.message));
  SetPlainInformativeText(box, QString::fromStdString(dialog.explanation));
  QPushButton* action = AddButton(box, dialog.actionButton, QMessageBox::AcceptRole);
  // The alternate button stands apart from the other two, where a Mac dialog puts it; the role
  // only places it.
  QPushButton* alternate = AddButton(box, dialog.alternateActionButton, QMessageBox::DestructiveRole);
  QPushButton* cancel = AddButton(box, dialog.cancelButton, QMessageBox::RejectRole);
  if (action != nullptr) box.setDefaultButton(action);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  const QAbstractButton* pressed = box.clickedButton();
  if (pressed == nullptr) return MessageDialogAnswer::None;
  if (pressed == action) return MessageDialogAnswer::Action;
  if (pressed == alternate) return MessageDialogAnswer::AlternateAction;
  if (pressed == cancel) return MessageDialogAnswer::Cancel;
  return MessageDialogAnswer::None;
}
