#include "framework/ResourceFork.h"

#include <QFile>
#include <QImage>
#include <QString>

namespace {

// The resources compiled into the program: ":/TEXT/<number>" and ":/PICT/<number>".
class CompiledResourceFork : public ResourceFork {
 public:
  std::optional<std::string> GetResource(const std::string& type, int number) override {
    QFile file(ResourcePath(type, number));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
  }

  // The build embeds every picture as a PNG. Naming the format spares Qt from loading every
  // image-format plug-in to find one that reads it.
  Picture GetPicture(int number) override {
    QImage image(ResourcePath("PICT", number), "PNG");
    if (image.isNull()) return nullptr;
    return std::make_shared<const QImage>(std::move(image));
  }

 private:
  static QString ResourcePath(const std::string& type, int number) {
    return QStringLiteral(":/%1/%2").arg(QString::fromStdString(type)).arg(number);
  }
};

std::shared_ptr<ResourceFork>& Slot() {
  static std::shared_ptr<ResourceFork> fork = std::make_shared<CompiledResourceFork>();
  return fork;
}

}  // namespace

std::shared_ptr<ResourceFork> ApplicationResourceFork() { return Slot(); }

void SetApplicationResourceForkForTesting(std::shared_ptr<ResourceFork> fork) { Slot() = std::move(fork); }

void RestoreApplicationResourceFork() { Slot() = std::make_shared<CompiledResourceFork>(); }
