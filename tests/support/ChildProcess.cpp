#include "support/ChildProcess.h"

#include <sys/prctl.h>

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <csignal>
#include <iostream>

namespace {

QProcessEnvironment EnvironmentWith(const std::map<std::string, std::optional<std::string>>& changes) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : changes) {
    if (value) {
      environment.insert(QString::fromStdString(name), QString::fromStdString(*value));
    } else {
      environment.remove(QString::fromStdString(name));
    }
  }
  return environment;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const ChildProcessOptions& options)
    : readsOutput_(options.output.empty()) {
  QStringList qtArguments;
  for (const std::string& argument : arguments) qtArguments << QString::fromStdString(argument);
  if (readsOutput_) {
    // Its standard error comes through a pipe and is passed on, rather than the program writing
    // to the test's own: that may be a file already beyond the program's file-size limit.
    process_.setProcessChannelMode(QProcess::SeparateChannels);
  } else {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(QString::fromStdString(options.output.string()), QIODevice::Append);
  }
  if (!options.environment.empty()) process_.setProcessEnvironment(EnvironmentWith(options.environment));
  process_.setChildProcessModifier([fileSizeLimit = options.fileSizeLimit] {
    // In the child, before it runs: a test program may have SIGXFSZ ignored, and a program
    // inherits that; a shell's limit leaves the signal at its default.
    std::signal(SIGXFSZ, SIG_DFL);
    // A test program stopped part-way (a time limit reached) takes its programs with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (fileSizeLimit) {
      rlimit limit{};
      limit.rlim_cur = limit.rlim_max = *fileSizeLimit;
      setrlimit(RLIMIT_FSIZE, &limit);
    }
  });
  process_.start(QString::fromStdString(program), qtArguments);
  started_ = process_.waitForStarted(60000);
}

// Asked to end first, so a server can take its files with it; killed when it does not.
ChildProcess::~ChildProcess() {
  if (process_.state() != QProcess::NotRunning) {
    process_.terminate();
    if (!process_.waitForFinished(2000)) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }
  ReadLines();
}

void ChildProcess::ReadLines() {
  // Output that goes to a file leaves the process open for writing only: there is nothing to read.
  if (!readsOutput_) return;
  std::cerr << process_.readAllStandardError().toStdString() << std::flush;
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

bool ChildProcess::WaitForEnd(std::chrono::milliseconds limit) {
  if (process_.state() == QProcess::NotRunning) return true;
  return process_.waitForFinished(static_cast<int>(std::max<long>(1, limit.count())));
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

bool ProgramOnPath(const std::string& name) {
  return !QStandardPaths::findExecutable(QString::fromStdString(name)).isEmpty();
}
