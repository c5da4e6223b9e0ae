#include "framework/widgets/QtFolderDialog.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QVBoxLayout>

namespace {

// Where the desktop mounts removable disks, so the person starts next to the volumes.
QString RemovableMediaFolder() {
  const QString user = qEnvironmentVariable("USER");
  const QStringList candidates = {"/run/media/" + user, "/media/" + user, "/media"};
  for (const QString& folder : candidates) {
    if (QDir(folder).exists()) return folder;
  }
  return QDir::homePath();
}

// The folder browser of the dialog, embedded below the prompt. Only folders can be chosen. The
// filter names a file type of the program; folders have no such type on this platform, so
// there is nothing further to narrow the choice by.
QFileDialog* FolderBrowser(const SelectFolderDialog& dialog, QWidget* frame) {
  auto* browser = new QFileDialog(frame, Qt::Widget);
  browser->setOption(QFileDialog::DontUseNativeDialog);  // a native dialog cannot be embedded
  browser->setOption(QFileDialog::ShowDirsOnly);
  browser->setFileMode(QFileDialog::Directory);
  browser->setAcceptMode(QFileDialog::AcceptOpen);
  browser->setLabelText(QFileDialog::Accept, QString::fromStdString(dialog.ActionButtonCaption));
  browser->setDirectory(RemovableMediaFolder());
  return browser;
}

FolderItem ChosenFolder(const QFileDialog& browser) {
  const QStringList chosen = browser.selectedFiles();
  if (chosen.isEmpty()) return FolderItem();
  return FolderItem(QFile::encodeName(chosen.first()).toStdString());
}

}  // namespace

FolderItem ShowQtFolderDialog(const SelectFolderDialog& dialog) {
  QDialog frame;
  frame.setWindowTitle(QString::fromStdString(dialog.Title));
  frame.setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(&frame);
  auto* prompt = new QLabel(QString::fromStdString(dialog.PromptText), &frame);
  prompt->setObjectName("PromptText");
  prompt->setTextFormat(Qt::PlainText);
  layout->addWidget(prompt);
  QFileDialog* browser = FolderBrowser(dialog, &frame);
  layout->addWidget(browser);
  // The browser's own Select and Cancel buttons end the whole dialog.
  QObject::connect(browser, &QFileDialog::finished, &frame, &QDialog::done);

  if (frame.exec() != QDialog::Accepted) return FolderItem();
  return ChosenFolder(*browser);
}
