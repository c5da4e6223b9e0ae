#include "support/ChildProcess.h"

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <csignal>

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           std::optional<rlim_t> fileSizeLimit) {
  QStringList qtArguments;
  for (const std::string& argument : arguments) qtArguments << QString::fromStdString(argument);
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.setChildProcessModifier([fileSizeLimit] {
    // In the child, before it runs: a test program may have SIGXFSZ ignored, and a program
    // inherits that; a shell's limit leaves the signal at its default.
    std::signal(SIGXFSZ, SIG_DFL);
    if (fileSizeLimit) {
      rlimit limit{};
      limit.rlim_cur = limit.rlim_max = *fileSizeLimit;
      setrlimit(RLIMIT_FSIZE, &limit);
    }
  });
  process_.start(QString::fromStdString(program), qtArguments);
  started_ = process_.waitForStarted(10000);
}

ChildProcess::~ChildProcess() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.kill();
  process_.waitForFinished(5000);
}

void ChildProcess::ReadLines() {
  pending_ += process_.readAllStandardOutput().toStdString();
  for (std::size_t end = pending_.find('\n'); end != std::string::npos; end = pending_.find('\n')) {
    lines_.push_back(pending_.substr(0, end));
    pending_.erase(0, end + 1);
  }
}

bool ChildProcess::WaitForLine(const std::string& line, std::chrono::milliseconds limit) {
  const QDeadlineTimer deadline(limit.count());
  for (;;) {
    ReadLines();
    if (std::find(lines_.begin(), lines_.end(), line) != lines_.end()) return true;
    if (process_.state() == QProcess::NotRunning || deadline.hasExpired()) return false;
    process_.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
  }
}

void ChildProcess::SendLine(const std::string& line) {
  process_.write(QByteArray::fromStdString(line + "\n"));
  process_.waitForBytesWritten(5000);
}

bool ChildProcess::Finish(std::chrono::milliseconds limit) {
  const bool ended =
      process_.state() == QProcess::NotRunning || process_.waitForFinished(static_cast<int>(limit.count()));
  if (!ended) {
    process_.kill();
    process_.waitForFinished(5000);
  }
  ReadLines();
  return ended;
}

bool ChildProcess::ExitedNormally() const { return process_.exitStatus() == QProcess::NormalExit; }

int ChildProcess::ExitCode() const { return process_.exitCode(); }

const std::vector<std::string>& ChildProcess::Lines() {
  ReadLines();
  return lines_;
}
