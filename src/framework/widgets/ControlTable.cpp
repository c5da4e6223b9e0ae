#include "framework/widgets/ControlTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTextBrowser>

#include "framework/Exceptions.h"
#include "framework/Timer.h"
#include "framework/widgets/Canvas.h"
#include "framework/widgets/Listbox.h"
#include "framework/widgets/Window.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A caption is shown as written: an "&" is no shortcut mark.
QString Caption(const std::string& caption) { return Text(caption).replace('&', "&&"); }

QStringList Rows(const std::vector<std::string>& rows) {
  QStringList list;
  for (const std::string& row : rows) list.append(Text(row));
  return list;
}

Qt::Alignment HorizontalAlignment(TextAlign align) {
  switch (align) {
    case TextAlign::Centre:
      return Qt::AlignHCenter;
    case TextAlign::Right:
      return Qt::AlignRight;
    case TextAlign::Left:
      break;
  }
  return Qt::AlignLeft;
}

// A default button is drawn as one; the window presses it on Return and Enter, and its cancel
// button on Escape, when no control takes the key (Window::keyPressEvent).
QWidget* MakePushButton(const ControlRow& row, QWidget* parent) {
  auto* button = new QPushButton(Caption(row.caption), parent);
  button->setAutoDefault(false);
  button->setDefault(row.properties.isDefault);
  return button;
}

QWidget* MakeCheckBox(const ControlRow& row, QWidget* parent) {
  auto* box = new QCheckBox(Caption(row.caption), parent);
  box->setChecked(row.properties.checked);
  return box;
}

// A carriage return is the line break of the program's texts; a label shows it as one.
QString ShownText(const std::string& text) {
  return Text(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
}

QWidget* MakeStaticText(const ControlRow& row, QWidget* parent) {
  auto* label = new QLabel(ShownText(row.caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(row.properties.multiline);
  label->setAlignment(HorizontalAlignment(row.properties.align) | Qt::AlignTop);
  return label;
}

QWidget* MakePopupMenu(const ControlRow& row, QWidget* parent) {
  auto* popup = new QComboBox(parent);
  popup->addItems(Rows(row.properties.rows));
  popup->setCurrentIndex(row.properties.listIndex);
  return popup;
}

QWidget* MakeImageWell(QWidget* parent) {
  auto* well = new QLabel(parent);
  well->setAlignment(Qt::AlignCenter);
  return well;
}

QWidget* MakeSeparator(const ControlRow& row, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(row.width >= row.height ? QFrame::HLine : QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

Qt::ScrollBarPolicy ScrollBarPolicy(std::optional<bool> shown) {
  if (!shown) return Qt::ScrollBarAsNeeded;
  return *shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

// A multiline field wraps its text at its width, and breaks lines at CR as well as LF.
QWidget* MakeEditField(const ControlRow& row, QWidget* parent) {
  if (row.properties.multiline) {
    auto* field = new QPlainTextEdit(Text(row.caption), parent);
    field->setReadOnly(row.properties.readOnly);
    field->setVerticalScrollBarPolicy(ScrollBarPolicy(row.properties.scrollbarVertical));
    field->setHorizontalScrollBarPolicy(ScrollBarPolicy(row.properties.scrollbarHorizontal));
    return field;
  }
  auto* field = new QLineEdit(Text(row.caption), parent);
  field->setReadOnly(row.properties.readOnly);
  field->setAlignment(HorizontalAlignment(row.properties.align));
  return field;
}

QWidget* MakeProgressBar(const ControlRow& row, QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setTextVisible(false);
  bar->setRange(0, row.properties.maximum);
  bar->reset();  // no value yet
  return bar;
}

QWidget* MakeControl(const ControlRow& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::PushButton:
      return MakePushButton(row, parent);
    case ControlKind::CheckBox:
      return MakeCheckBox(row, parent);
    case ControlKind::StaticText:
      return MakeStaticText(row, parent);
    case ControlKind::PopupMenu:
      return MakePopupMenu(row, parent);
    case ControlKind::Canvas: {
      auto* canvas = new Canvas(parent);
      canvas->SetBackdrop(row.properties.backdrop);
      return canvas;
    }
    case ControlKind::ImageWell:
      return MakeImageWell(parent);
    case ControlKind::Separator:
      return MakeSeparator(row, parent);
    case ControlKind::GroupBox:
      return new QGroupBox(Caption(row.caption), parent);
    case ControlKind::EditField:
      return MakeEditField(row, parent);
    case ControlKind::ProgressBar:
      return MakeProgressBar(row, parent);
    case ControlKind::ListBox:
      return new Listbox(parent);
    case ControlKind::HTMLViewer:
      return new QTextBrowser(parent);
    case ControlKind::Timer:
    case ControlKind::Custom:
      break;
  }
  if (row.make == nullptr) throw NilObjectException("no way to make the control " + row.name);
  return row.make(parent);
}

void ApplyTextProperties(QWidget& control, const ControlProperties& properties) {
  control.setFont(ControlFont(properties.font, properties.textSize, properties.bold));
  if (properties.textColour) {
    QPalette palette = control.palette();
    const QColor colour = QColor::fromRgb(*properties.textColour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    control.setPalette(palette);
  }
}

}  // namespace

QFont ControlFont(TextFont font, int textSize, bool bold) {
  QFont chosen = QApplication::font();
  if (font == TextFont::SmallSystem) chosen.setPointSizeF(chosen.pointSizeF() * 11.0 / 13.0);
  if (textSize > 0) chosen.setPixelSize(textSize);
  chosen.setBold(bold);
  return chosen;
}

void Window::RequireOwnName(const std::string& name) const {
  if (name.empty() || NamedControl(name) != nullptr) {
    throw RuntimeException("a control needs a name of its own: \"" + name + "\"");
  }
}

QWidget& Window::CreateControl(const ControlRow& row) {
  RequireOwnName(row.name);
  QWidget* parent = content_;
  if (!row.properties.parent.empty()) {
    parent = Control(row.properties.parent);
    if (parent == nullptr)
      throw NilObjectException("no control " + row.properties.parent + " to hold " + row.name);
  }
  QWidget* control = MakeControl(row, parent);
  control->setObjectName(Text(row.name));
  control->setGeometry(row.left, row.top, row.width, row.height);
  ApplyTextProperties(*control, row.properties);
  // A list, of the framework's kind or one of the program's own, takes the row's rows.
  if (auto* list = dynamic_cast<Listbox*>(control)) list->AddRows(row.properties.rows);
  control->setEnabled(row.properties.enabled);
  if (!row.properties.visible) control->setVisible(false);
  if (auto* button = qobject_cast<QPushButton*>(control)) {
    if (row.properties.isDefault) defaultButton_ = button;
    if (row.properties.isCancel) cancelButton_ = button;
  }
  return *control;
}

void Window::CreateTimer(const ControlRow& row) {
  RequireOwnName(row.name);
  auto* timer = new Timer(content_);
  timer->setObjectName(Text(row.name));
  timer->SetPeriod(row.properties.period);
  timer->SetMode(row.properties.mode);
}
